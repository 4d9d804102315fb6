#include "support/FakeFtpServer.h"

#include <stdexcept>
#include <sys/socket.h>

FakeFtpServer::FakeFtpServer() {
    if (!m_control.listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("fake FTP server cannot listen on 127.0.0.1");
    connect(&m_control, &QTcpServer::newConnection, this, &FakeFtpServer::acceptControl);
}

void FakeFtpServer::acceptControl() {
    QTcpSocket* socket = m_control.nextPendingConnection();
    if (!socket)
        return;
    // Telnet's data mark comes as urgent data; keep it in the stream so the test sees it.
    const int one = 1;
    setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_OOBINLINE, &one,
               sizeof one);
    m_socket = socket;
    m_buffer.clear();
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == m_socket)
            readControl();
    });
    if (!m_greeting.isEmpty())
        socket->write(m_greeting);
}

void FakeFtpServer::readControl() {
    const QByteArray bytes = m_socket->readAll();
    m_controlBytes += bytes;
    m_buffer += bytes;
    qsizetype end;
    while ((end = m_buffer.indexOf("\r\n")) >= 0) {
        QByteArray line = m_buffer.left(end);
        m_buffer.remove(0, end + 2);
        while (!line.isEmpty() && static_cast<unsigned char>(line.at(0)) >= 0x80)
            line.remove(0, 1); // Telnet IP and DM before ABOR
        m_commands << QString::fromUtf8(line);
        handle(QString::fromUtf8(line));
    }
}

void FakeFtpServer::reply(const QByteArray& bytes) {
    if (m_socket)
        m_socket->write(bytes);
}

void FakeFtpServer::handle(const QString& line) {
    const QString verb = line.section(u' ', 0, 0).toUpper();
    const QString argument = line.section(u' ', 1);
    if (m_lineReplies.contains(line))
        return reply(m_lineReplies.value(line));
    if (m_replies.contains(verb))
        return reply(m_replies.value(verb));
    if (verb == QStringLiteral("USER"))
        return reply("331 Password required.\r\n");
    if (verb == QStringLiteral("PASS"))
        return reply("230 Logged in.\r\n");
    if (verb == QStringLiteral("PWD"))
        return reply("257 \"/home/fake\" is the current directory.\r\n");
    if (verb == QStringLiteral("QUIT")) {
        reply("221 Goodbye.\r\n");
        m_socket->disconnectFromHost();
        return;
    }
    if (verb == QStringLiteral("REST") || verb == QStringLiteral("RNFR"))
        return reply("350 Ready for more.\r\n");
    if (verb == QStringLiteral("ABOR"))
        return abort();
    if (verb == QStringLiteral("PORT")) {
        const QStringList n = argument.split(u',');
        m_activeHost = n.mid(0, 4).join(u'.');
        m_activePort = static_cast<quint16>(n.value(4).toInt() * 256 + n.value(5).toInt());
        m_passiveMode = false;
        return reply("200 PORT command successful.\r\n");
    }
    if (verb == QStringLiteral("PASV")) {
        m_passive.close();
        m_passive.listen(QHostAddress::LocalHost, 0);
        m_passiveMode = true;
        const quint16 p = m_passive.serverPort();
        return reply(QStringLiteral("227 Entering Passive Mode (127,0,0,1,%1,%2).\r\n")
                         .arg(p >> 8)
                         .arg(p & 0xFF)
                         .toLatin1());
    }
    if (verb == QStringLiteral("RETR") || verb == QStringLiteral("STOR") ||
        verb == QStringLiteral("LIST") || verb == QStringLiteral("NLST"))
        return startTransfer(verb);
    reply("250 OK.\r\n");
}

void FakeFtpServer::startTransfer(const QString& verb) {
    reply("150 Opening data connection.\r\n");
    // The transfer's final reply goes to the control connection that asked for it.
    QPointer<QTcpSocket> control = m_socket;
    withDataConnection([this, verb, control](QTcpSocket* data) {
        ++m_dataConnections;
        m_data = data;
        auto done = [control](const QByteArray& bytes) {
            if (control)
                control->write(bytes);
        };
        if (verb == QStringLiteral("STOR"))
            return receive(data, done);
        serve(data, verb == QStringLiteral("RETR") ? m_download : m_listing, done);
    });
}

void FakeFtpServer::withDataConnection(std::function<void(QTcpSocket*)> use) {
    if (m_passiveMode) {
        auto take = [this, use] {
            QTcpSocket* data = m_passive.nextPendingConnection();
            m_passive.close();
            data->setParent(this);
            use(data);
        };
        if (m_passive.hasPendingConnections())
            return take();
        connect(&m_passive, &QTcpServer::newConnection, this, take, Qt::SingleShotConnection);
        return;
    }
    auto* data = new QTcpSocket(this);
    connect(data, &QTcpSocket::connected, this, [data, use] { use(data); });
    data->connectToHost(m_activeHost, m_activePort);
}

void FakeFtpServer::serve(QTcpSocket* data, const QByteArray& bytes, const Reply& done) {
    if (m_holdAfter >= 0) {
        data->write(bytes.left(m_holdAfter));
        return; // until ABOR
    }
    connect(data, &QTcpSocket::disconnected, this, [done] { done("226 Transfer complete.\r\n"); });
    data->write(bytes);
    data->disconnectFromHost();
}

void FakeFtpServer::receive(QTcpSocket* data, const Reply& done) {
    auto take = [this, data, done] {
        if (data->isOpen())
            m_uploaded += data->readAll();
        if (m_dropUpload && !m_uploaded.isEmpty() && data->state() == QTcpSocket::ConnectedState) {
            data->abort();
            done("226 Transfer complete.\r\n");
        }
    };
    connect(data, &QTcpSocket::readyRead, this, take);
    connect(data, &QTcpSocket::disconnected, this, [this, take, done] {
        take();
        if (!m_dropUpload)
            done("226 Transfer complete.\r\n");
    });
    take();
}

void FakeFtpServer::abort() {
    if (m_data && m_data->state() == QTcpSocket::ConnectedState) {
        m_data->abort();
        reply("426 Connection closed; transfer aborted.\r\n226 ABOR command successful.\r\n");
        return;
    }
    reply("225 No transfer to abort.\r\n");
}
