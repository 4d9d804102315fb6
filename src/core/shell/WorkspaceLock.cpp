#include "shell/WorkspaceLock.h"

#include <QDir>

WorkspaceLock::WorkspaceLock(const QString& programDir)
    : m_programDir(QDir(programDir).absolutePath()), m_file(QDir(programDir).filePath(fileName())) {
    // The desktop program holds it for hours: only a holder that no longer runs frees it.
    m_file.setStaleLockTime(0);
}

bool WorkspaceLock::acquire(std::chrono::milliseconds wait) {
    return m_file.tryLock(wait);
}

QString WorkspaceLock::refusal() const {
    if (m_file.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString program;
        if (m_file.getLockInfo(&pid, &host, &program))
            return QStringLiteral("The workspace is in use by %1 (process %2 on %3). Try again "
                                  "once it has finished or been closed.")
                .arg(program.isEmpty() ? QStringLiteral("another program") : program)
                .arg(pid)
                .arg(host);
        return QStringLiteral("The workspace is in use by another program. Try again once it "
                              "has finished or been closed.");
    }
    return QStringLiteral("Cannot lock the workspace %1: the lock file %2 cannot be created. "
                          "Check that the folder may be written.")
        .arg(m_programDir, m_file.fileName());
}
