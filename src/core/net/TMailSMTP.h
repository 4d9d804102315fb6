#pragma once

#include "net/MailText.h"
#include "net/SmtpReply.h"
#include "net/TMailSocket.h"

#include <QObject>
#include <QString>

class TMailMessage;

// How the mail client protects the connection: not at all, by STARTTLS after the greeting, or
// with TLS from the connect on.
enum class SmtpSecurity { None, StartTls, Tls };

// The SMTP client. Set Server and MailMessage, then call SendMail: it returns when the dialogue
// is over, with the events (signals) fired inside the call while the user interface keeps
// running. A failure raises ESocketError, ETimedOutError, ECanceledError, EServerError (the
// server's reply line) or EMessageError. The transcript goes to LogFile when the client goes.
class TMailSMTP : public QObject {
    Q_OBJECT
public:
    // Message text handed to the socket at once (performance only).
    static constexpr qsizetype BlockSize = 256 * 1024;

    explicit TMailSMTP(QObject* parent = nullptr);
    ~TMailSMTP() override;

    // A name or dotted address, optionally followed by ":" and a port.
    const QString& Server() const { return m_server; }
    void setServer(const QString& server) { m_server = server; }
    // "none", "starttls" or "tls" (any case; empty is none); false for anything else.
    static bool securityFromText(const QString& text, SmtpSecurity& security);
    SmtpSecurity Security() const { return m_security; }
    void setSecurity(SmtpSecurity security) { m_security = security; }
    // With a user name the client logs in (AUTH PLAIN or LOGIN) after the greeting.
    void setUser(const QString& user) { m_user = user; }
    void setPassword(const QString& password) { m_password = password; }
    void setTlsPolicy(const TlsPolicy& policy) { m_socket.setTlsPolicy(policy); }
    // The port when Server names none (465 instead with Tls).
    quint16 DefaultPort() const { return m_defaultPort; }
    void setDefaultPort(quint16 port) { m_defaultPort = port; }
    // Seconds each wait may last: look-up, connect, each line sent, each reply.
    int TimeOut() const { return m_timeOut; }
    void setTimeOut(int seconds);
    // Not owned.
    TMailMessage* MailMessage() const { return m_mailMessage; }
    void setMailMessage(TMailMessage* message) { m_mailMessage = message; }
    const QString& LogFile() const { return m_logFile; }
    void setLogFile(const QString& path) { m_logFile = path; }

    // Opens if needed, sends, and closes in every case. A QUIT that fails after the mail was
    // accepted is only reported: the mail is delivered.
    void SendMail();
    // Connects, reads the greeting and says HELO; does nothing when already connected.
    void Open();
    void Send();
    // Says QUIT when still connected, then closes.
    void Close();
    // Ends the wait in progress (and the next one) with ECanceledError and closes.
    void Cancel() { m_socket.cancel(); }

Q_SIGNALS:
    // OnOpen: opening starts, before the server name is looked up.
    void open();
    // OnPrepare: the message is about to be encoded.
    void prepare();
    // OnSending: the envelope is about to be sent.
    void sending();
    // OnProgress: after each block of message text; once more with 0, 0 at its end.
    void progress(int percent, qint64 position);
    // OnAddressRejected: a RCPT was refused; set accept to go on without that address.
    void addressRejected(const QString& address, bool& accept, const QString& reply);
    // OnMailSent: the server took the mail.
    void mailSent();
    void closing();
    void closed();
    // OnCancel: Cancel was called.
    void cancel();
    // OnError: a socket failure, time-out or cancel, just before it is raised.
    void error(const QString& text);

private:
    quint16 serverPort();
    void hello(const QString& localHost);
    // EHLO; the extensions the server lists.
    QStringList extendedHello(const QString& localHost);
    void secure(const QString& host, const QString& localHost, QStringList& extensions);
    void authenticate(const QStringList& extensions);
    void authPlain();
    void authLogin();
    // The line goes out as it is; the transcript shows shown and the secret as ********.
    SmtpReply secretCommand(const QByteArray& line, const QString& shown);
    void recipients(const TMailMessage& message);
    void sendText(const MailText& text);
    void quit();
    void closeQuietly();
    void closeAfterDelivery();
    SmtpReply command(const QByteArray& line);
    static void expectPositive(const SmtpReply& reply);
    [[noreturn]] void failSocket(const QString& text);

    TMailSocket m_socket;
    QString m_server;
    quint16 m_defaultPort = 25;
    SmtpSecurity m_security = SmtpSecurity::None;
    QString m_user, m_password;
    int m_timeOut = 60;
    TMailMessage* m_mailMessage = nullptr;
    QString m_logFile;
};
