#include "support/FakeSmtpServer.h"

FakeSmtpServer::FakeSmtpServer() {
    m_tcp.setOnConnect([this](QTcpSocket* socket) { start(socket); });
    m_tcp.setOnData([this](QTcpSocket* socket, const QByteArray& all) { take(socket, all); });
    connect(&m_repeat, &QTimer::timeout, this, [this] {
        if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState)
            m_socket->write(m_repeatText);
        else
            m_repeat.stop();
    });
}

QString FakeSmtpServer::server() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_tcp.port());
}

QByteArray FakeSmtpServer::received() const {
    return m_tcp.connectionCount() > 0 ? m_tcp.received(m_tcp.connectionCount() - 1) : QByteArray();
}

void FakeSmtpServer::start(QTcpSocket* socket) {
    m_socket = socket;
    m_taken = 0;
    m_inText = false;
    m_repeat.stop();
    send(m_greeting);
}

void FakeSmtpServer::take(QTcpSocket* socket, const QByteArray& all) {
    if (socket != m_socket)
        return;
    for (;;) {
        if (m_inText) {
            if (!takeText(all))
                return;
            continue;
        }
        const qsizetype end = all.indexOf("\r\n", m_taken);
        if (end < 0)
            return;
        const QByteArray line = all.mid(m_taken, end - m_taken);
        m_taken = end + 2;
        handle(line);
    }
}

bool FakeSmtpServer::takeText(const QByteArray& all) {
    // The text ends with a line "."; the CR LF before it ends the text's last line.
    const qsizetype end = all.indexOf("\r\n.\r\n", qMax<qsizetype>(0, m_taken - 2));
    if (end < 0)
        return false;
    m_taken = end + 5;
    m_inText = false;
    handle(".");
    return true;
}

void FakeSmtpServer::handle(const QByteArray& line) {
    const std::optional<Answer> own = m_responder ? m_responder(line) : std::nullopt;
    const Answer answer = own ? *own : plain(line);
    m_inText = line == "DATA" && answer.text.startsWith('3');
    send(answer);
}

void FakeSmtpServer::send(const Answer& answer) {
    if (!m_socket)
        return;
    m_socket->write(answer.text);
    if (answer.repeatMs >= 0) {
        m_repeatText = answer.text;
        m_repeat.start(answer.repeatMs);
    }
    if (answer.close)
        m_socket->disconnectFromHost();
}

FakeSmtpServer::Answer FakeSmtpServer::plain(const QByteArray& line) {
    const QByteArray verb = line.left(4).toUpper();
    if (verb == "HELO")
        return {"250 fake.example\r\n"};
    if (verb == "MAIL" || verb == "RCPT")
        return {"250 OK\r\n"};
    if (verb == "DATA")
        return {"354 End data with <CR><LF>.<CR><LF>\r\n"};
    if (line == ".")
        return {"250 OK queued as 1\r\n"};
    if (verb == "QUIT")
        return {"221 Bye\r\n", true};
    return {"500 Unknown command\r\n"};
}
