#pragma once

#include "base/ScopeGuard.h"

#include <QObject>
#include <QTimer>

class TNetFTP;

// Bounds every wait of the FTP client while one of our actions runs: the connect, each reply,
// and a transfer that moves nothing. Only what moves the exchange on (a command sent, a
// connection note, data moved) starts the count again; reply lines do not, so a server that
// drips or floods a reply still ends at the limit. At the limit the client is set idle, which
// ends its wait with 301 "Interrupted".
class FtpWaitLimit : public QObject {
    Q_OBJECT
public:
    FtpWaitLimit(TNetFTP& ftp, int seconds);

    // Runs one action of the client under the limit.
    template <typename Action> void bound(Action action);

Q_SIGNALS:
    // Emitted before the client is set idle, so the reason comes before the failure it causes.
    void expired(int seconds);

private:
    void arm();
    void disarm();
    void restart();
    void expire();

    TNetFTP& m_ftp;
    QTimer m_timer;
    int m_seconds;
    bool m_armed = false;
};

template <typename Action> void FtpWaitLimit::bound(Action action) {
    arm();
    const ScopeGuard stop([this] { disarm(); });
    action();
}
