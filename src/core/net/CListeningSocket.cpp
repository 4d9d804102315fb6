#include "net/CListeningSocket.h"

#include <QSslSocket>
#include <QTcpServer>

namespace {

// Accepted connections come as QSslSocket, so a data connection can be encrypted once taken.
class TlsReadyServer : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QSslSocket(this);
        if (socket->setSocketDescriptor(descriptor))
            addPendingConnection(socket);
        else
            delete socket;
    }
};

QHostAddress plain(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

} // namespace

quint16 CListeningSocket::listen(const QHostAddress& local) {
    closeListener();
    m_server = new TlsReadyServer(this);
    m_server->setMaxPendingConnections(1);
    if (!m_server->listen(local, 0)) {
        closeListener();
        return 0;
    }
    connect(m_server, &QTcpServer::newConnection, this, &CListeningSocket::accept);
    return m_server->serverPort();
}

void CListeningSocket::pollAccept() {
    if (m_server && !m_server->hasPendingConnections())
        m_server->waitForNewConnection(0);
    if (m_server && m_server->hasPendingConnections())
        accept();
}

void CListeningSocket::accept() {
    if (!m_server)
        return;
    QTcpSocket* socket = m_server->nextPendingConnection();
    if (!socket) {
        Q_EMIT error(311, QStringLiteral("Failed to accept new socket."));
        return;
    }
    // Someone other than the server must not be able to feed or take the transfer.
    if (!m_expectedPeer.isNull() && plain(socket->peerAddress()) != plain(m_expectedPeer)) {
        socket->abort();
        socket->deleteLater();
        Q_EMIT error(311, QStringLiteral("Failed to accept new socket."));
        return;
    }
    closeListener();
    adoptSocket(socket);
}

void CListeningSocket::closeListener() {
    if (!m_server)
        return;
    m_server->close();
    m_server->deleteLater();
    m_server = nullptr;
}
