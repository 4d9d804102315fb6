#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <vector>

// A scripted server on 127.0.0.1 and a free port, run by the test's own event loop (the client's
// waits turn it). Each test says what to do when a peer connects and when bytes arrive.
class FakeTcpServer : public QObject {
    Q_OBJECT
public:
    using ConnectHandler = std::function<void(QTcpSocket*)>;
    // all: everything received on this connection so far.
    using DataHandler = std::function<void(QTcpSocket*, const QByteArray& all)>;

    FakeTcpServer();
    quint16 port() const { return m_server.serverPort(); }

    void setOnConnect(ConnectHandler handler) { m_onConnect = std::move(handler); }
    void setOnData(DataHandler handler) { m_onData = std::move(handler); }
    // Answers an HTTP request once it is complete (head, and body by Content-Length): writes the
    // answer, then closes.
    void answerHttp(const QByteArray& answer);

    QByteArray received(int connection = 0) const;
    int connectionCount() const { return static_cast<int>(m_received.size()); }

    // True when all holds a whole HTTP request.
    static bool httpRequestComplete(const QByteArray& all);

private:
    void accept();

    QTcpServer m_server;
    ConnectHandler m_onConnect;
    DataHandler m_onData;
    std::vector<QByteArray> m_received;
};
