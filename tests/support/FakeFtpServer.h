#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// A scripted FTP server on 127.0.0.1 for one control connection at a time, run by the test's
// own event loop. It answers like a plain server unless a test gives a verb its own reply,
// records every byte it receives, and serves or stores data in active and passive mode.
class FakeFtpServer : public QObject {
    Q_OBJECT
public:
    FakeFtpServer();
    quint16 port() const { return m_control.serverPort(); }

    void setGreeting(const QByteArray& greeting) { m_greeting = greeting; }
    // The whole reply (CR LF included) to every command with this verb; empty: no answer.
    void setReply(const QString& verb, const QByteArray& reply) { m_replies[verb] = reply; }
    // The reply to this exact command line only ("TYPE A"); it wins over the verb's reply.
    void setLineReply(const QString& line, const QByteArray& reply) { m_lineReplies[line] = reply; }
    void setDownload(const QByteArray& data) { m_download = data; }
    void setListing(const QByteArray& data) { m_listing = data; }
    // RETR sends this many bytes, then holds the data connection open until ABOR.
    void holdDownloadAfter(qsizetype bytes) { m_holdAfter = bytes; }
    // STOR: after the first data arrives, drop the data connection, then still report 226.
    void setDropUpload(bool drop) { m_dropUpload = drop; }

    QByteArray controlBytes() const { return m_controlBytes; }
    QStringList commands() const { return m_commands; }
    QByteArray uploaded() const { return m_uploaded; }
    int dataConnections() const { return m_dataConnections; }

private:
    void acceptControl();
    void readControl();
    void handle(const QString& line);
    void reply(const QByteArray& bytes);
    void startTransfer(const QString& verb);
    void withDataConnection(std::function<void(QTcpSocket*)> use);
    using Reply = std::function<void(const QByteArray&)>;
    void serve(QTcpSocket* data, const QByteArray& bytes, const Reply& done);
    void receive(QTcpSocket* data, const Reply& done);
    void abort();

    QTcpServer m_control;
    QTcpServer m_passive;
    QPointer<QTcpSocket> m_socket;
    QPointer<QTcpSocket> m_data;
    QByteArray m_buffer;
    QByteArray m_greeting = "220 Fake FTP ready.\r\n";
    QHash<QString, QByteArray> m_replies;
    QHash<QString, QByteArray> m_lineReplies;
    QByteArray m_download, m_listing, m_uploaded, m_controlBytes;
    QStringList m_commands;
    QString m_activeHost;
    quint16 m_activePort = 0;
    bool m_passiveMode = false;
    qsizetype m_holdAfter = -1;
    bool m_dropUpload = false;
    int m_dataConnections = 0;
};
