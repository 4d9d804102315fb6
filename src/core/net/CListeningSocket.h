#pragma once

#include "net/CNetIPPort.h"

class QTcpServer;

// A connection that can also wait for the peer to connect: listens, accepts one connection,
// and stops listening.
class CListeningSocket : public CNetIPPort {
    Q_OBJECT
public:
    using CNetIPPort::CNetIPPort;

    // Listens on a free port of the given local address. The port, or 0 when that failed.
    quint16 listen(const QHostAddress& local);
    // Only a connection from this address is taken (the server we talk to); null takes any.
    void setExpectedPeer(const QHostAddress& peer) { m_expectedPeer = peer; }
    bool isListening() const { return m_server != nullptr; }
    // Takes a connection the listener has not reported yet, if there is one.
    void pollAccept();
    void closeListener();

private:
    void accept();

    QTcpServer* m_server = nullptr;
    QHostAddress m_expectedPeer;
};
