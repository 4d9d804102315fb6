#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One running copy per user and workspace: a second start asks the first to show itself.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programDir, QObject* parent = nullptr);

    // True when another copy answered and was asked to come forward.
    bool activateRunningCopy() const;
    // True when a copy has this workspace open; it is not disturbed.
    bool runningCopyExists() const;
    // Starts listening for later starts; false when the name cannot be taken.
    bool listen();
    const QString& serverName() const { return m_name; }

Q_SIGNALS:
    void activateRequested();

private:
    void watch(QLocalSocket* socket);

    QString m_name;
    QLocalServer* m_server = nullptr;
};
