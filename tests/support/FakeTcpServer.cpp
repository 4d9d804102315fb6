#include "support/FakeTcpServer.h"

#include <stdexcept>

FakeTcpServer::FakeTcpServer() {
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("fake server cannot listen on 127.0.0.1");
    connect(&m_server, &QTcpServer::newConnection, this, &FakeTcpServer::accept);
}

void FakeTcpServer::accept() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const size_t index = m_received.size();
        m_received.emplace_back();
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, index] {
            m_received[index] += socket->readAll();
            if (m_onData)
                m_onData(socket, m_received[index]);
        });
        if (m_onConnect)
            m_onConnect(socket);
    }
}

QByteArray FakeTcpServer::received(int connection) const {
    return connection < connectionCount() ? m_received[static_cast<size_t>(connection)]
                                          : QByteArray();
}

bool FakeTcpServer::httpRequestComplete(const QByteArray& all) {
    const qsizetype end = all.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QByteArray head = all.left(end).toLower();
    const qsizetype at = head.indexOf("\r\ncontent-length: ");
    if (at < 0)
        return true;
    const qsizetype valueStart = at + 18;
    const qsizetype valueEnd = head.indexOf("\r\n", valueStart);
    const qint64 length =
        head.mid(valueStart, valueEnd < 0 ? -1 : valueEnd - valueStart).toLongLong();
    return all.size() - (end + 4) >= length;
}

void FakeTcpServer::answerHttp(const QByteArray& answer) {
    setOnData([answer](QTcpSocket* socket, const QByteArray& all) {
        if (!httpRequestComplete(all) || socket->property("answered").toBool())
            return;
        socket->setProperty("answered", true);
        socket->write(answer);
        socket->disconnectFromHost();
    });
}
