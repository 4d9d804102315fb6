#pragma once

#include <QLockFile>
#include <QString>
#include <chrono>

// The one writer of a workspace at a time: the desktop program for as long as it runs, a
// command-line command that writes for as long as it works. Held until the object goes.
class WorkspaceLock {
public:
    static constexpr std::chrono::milliseconds DefaultWait{5000};

    explicit WorkspaceLock(const QString& programDir);
    WorkspaceLock(const WorkspaceLock&) = delete;
    WorkspaceLock& operator=(const WorkspaceLock&) = delete;

    // Waits up to `wait` for another holder to finish; false when it did not.
    bool acquire(std::chrono::milliseconds wait = DefaultWait);
    // Why acquire() failed, for the user: who holds the workspace, or what the system said.
    QString refusal() const;
    static QString fileName() { return QStringLiteral(".shipkit.lock"); }

private:
    QString m_programDir;
    QLockFile m_file;
};
