#include "submit/FtpWaitLimit.h"

#include "net/TNetFTP.h"

FtpWaitLimit::FtpWaitLimit(TNetFTP& ftp, int seconds) : m_ftp(ftp), m_seconds(seconds) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(seconds * 1000);
    connect(&m_timer, &QTimer::timeout, this, &FtpWaitLimit::expire);
    connect(&ftp, &TNetFTP::firePITrail, this, [this](int direction) {
        if (direction != TNetFTP::ReplyReceived)
            restart();
    });
    connect(&ftp, &TNetFTP::startTransfer, this, &FtpWaitLimit::restart);
    connect(&ftp, &TNetFTP::transfer, this, &FtpWaitLimit::restart);
}

void FtpWaitLimit::arm() {
    m_armed = true;
    m_timer.start();
}

// Between our actions the connection may sit idle as long as it likes.
void FtpWaitLimit::disarm() {
    m_armed = false;
    m_timer.stop();
}

void FtpWaitLimit::restart() {
    if (m_armed)
        m_timer.start();
}

void FtpWaitLimit::expire() {
    Q_EMIT expired(m_seconds);
    m_ftp.setAction(ftpIdle);
}
