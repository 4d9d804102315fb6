#pragma once

#include "net/LineSplitter.h"
#include "net/MailTranscript.h"
#include "net/SmtpReply.h"
#include "net/TlsPolicy.h"
#include "net/WaitLoop.h"

#include <QHostAddress>
#include <QObject>
#include <QSslSocket>
#include <QTimer>
#include <functional>

// The mail client's connection: look-up, connect, lines out, replies in, each wait bounded by
// the time-out and ended early by a cancel. The user interface keeps running during every wait.
// Failures raise ESocketError, ETimedOutError or ECanceledError, each told to error() first; a
// reply past its bounds raises EServerError "Reply too long".
class TMailSocket : public QObject {
    Q_OBJECT
public:
    // Bytes queued in the socket before sending waits (performance only).
    static constexpr qint64 HighWater = 1 << 20;

    explicit TMailSocket(QObject* parent = nullptr);

    void setTimeOut(int seconds);
    // A connection was made and not yet closed here (the server may have closed its end).
    bool isOpen() const { return m_open; }
    bool isConnected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    // A new action starts: an old cancel must not end it.
    void clearCancel() { m_wait.clearInterrupt(); }

    void setTlsPolicy(const TlsPolicy& policy) { m_tls = policy; }
    // A dotted address is taken as it is; a name is looked up. With tls the connection is
    // encrypted from the start and the certificate must match host.
    void connectTo(const QString& host, quint16 port, bool tls = false);
    // Upgrades the open connection (after STARTTLS); a failure raises ESocketError "TLS: ...".
    void startTls(const QString& peerName);
    bool isEncrypted() const { return m_socket.isEncrypted(); }
    // One command line; CR LF is added. Recorded in the transcript.
    void sendLine(const QByteArray& line);
    // A line that carries a secret: the transcript shows shown instead.
    void sendSecretLine(const QByteArray& line, const QString& shown);
    // Message text, not recorded.
    void sendData(const QByteArray& data);
    SmtpReply readReply();
    void close();
    void cancel();

    MailTranscript& transcript() { return m_transcript; }

Q_SIGNALS:
    void canceled();
    void closing();
    void closed();
    void error(const QString& text);

private:
    QHostAddress resolve(const QString& host);
    void write(const QByteArray& bytes);
    void wait(const std::function<bool()>& done);
    void takeLines(SmtpReply& reply);
    void stopLookup();
    void checkCanceled();
    void requireConnection();
    [[noreturn]] void failSocket(const QString& text);
    [[noreturn]] void failSocket(int number);
    [[noreturn]] void failCanceled();
    [[noreturn]] void failTimedOut();

    QSslSocket m_socket;
    TlsPolicy m_tls;
    QString m_tlsFailure;
    WaitLoop m_wait;
    QTimer m_timer;
    LineSplitter m_lines;
    MailTranscript m_transcript;
    int m_timeOutMs = 60000;
    int m_lookupId = -1;
    int m_socketError = 0;
    bool m_timedOut = false;
    bool m_open = false;
};
