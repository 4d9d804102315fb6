#pragma once

#include "net/TNetBase.h"
#include "net/WaitLoop.h"

#include <QHostAddress>

// The socket library and host name resolution. Qt Network is always there; "loading" only
// switches the status texts, which the FTP window shows.
class CWinsock : public TNetBase {
    Q_OBJECT
public:
    // The socket layer's own error numbers; callers compare the texts that carry them.
    enum LayerError {
        PortBusy = 100,
        HostBusy = 101,
        InvalidAddress = 102,
        AlreadyConnected = 104,
        NoPort = 116,
        TlsFailed = 120, // the text is "TLS: " and the reason
    };

    // wait: the waits to share (a data connection shares its control connection's); null for own.
    explicit CWinsock(WaitLoop* wait = nullptr, QObject* parent = nullptr);

    bool WinsockLoaded() const { return m_loaded; }
    virtual void setWinsockLoaded(bool loaded);
    QString WinsockInfo() const;
    QString WinsockStatus() const;
    QString LocalHost() const;

protected:
    // A dotted address is used as it is; a name is looked up and its first address taken
    // (IPv4 first, which active FTP needs). Returns 0 or an error number.
    int resolve(const QString& host, QHostAddress& address);
    WaitLoop& waiter() { return *m_wait; }

private:
    WaitLoop m_ownWait;
    WaitLoop* m_wait;
    bool m_loaded = false;
};
