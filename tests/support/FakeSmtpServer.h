#pragma once

#include "support/FakeTcpServer.h"

#include <QPointer>
#include <QTimer>
#include <optional>

// A scripted SMTP server on 127.0.0.1, one connection at a time, run by the test's own event
// loop (the client's waits turn it). It answers like a plain server unless the test's responder
// answers a line itself, takes the message text after a 3xx reply to DATA, and records every
// byte the client sends.
class FakeSmtpServer : public QObject {
    Q_OBJECT
public:
    struct Answer {
        QByteArray text; // empty: say nothing
        bool close = false;
        // Write the text again every so many ms until the client goes: an endless reply.
        int repeatMs = -1;
    };
    // Gets each command line without CR LF ("." for the end of the message text); an answer,
    // or nothing for the plain one.
    using Responder = std::function<std::optional<Answer>(const QByteArray& line)>;

    FakeSmtpServer();

    // "127.0.0.1:port", for TMailSMTP's Server.
    QString server() const;
    void setGreeting(const Answer& greeting) { m_greeting = greeting; }
    void setResponder(Responder responder) { m_responder = std::move(responder); }
    // What the client sent on the last connection.
    QByteArray received() const;
    int connectionCount() const { return m_tcp.connectionCount(); }

private:
    void start(QTcpSocket* socket);
    void take(QTcpSocket* socket, const QByteArray& all);
    bool takeText(const QByteArray& all);
    void handle(const QByteArray& line);
    void send(const Answer& answer);
    static Answer plain(const QByteArray& line);

    FakeTcpServer m_tcp;
    QPointer<QTcpSocket> m_socket;
    QTimer m_repeat;
    QByteArray m_repeatText;
    Answer m_greeting{"220 fake.example ESMTP\r\n"};
    Responder m_responder;
    qsizetype m_taken = 0;
    bool m_inText = false;
};
