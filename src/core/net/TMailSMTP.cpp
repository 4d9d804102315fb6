#include "net/TMailSMTP.h"

#include "net/DotStuffer.h"
#include "net/EServerError.h"
#include "net/ESocketError.h"
#include "net/MailTextReader.h"
#include "net/TMailMessage.h"
#include "net/TMailMessageEncoder.h"

#include <QHostInfo>
#include <QRegularExpression>

namespace {

const QString Masked = QStringLiteral("********");

// "AUTH PLAIN LOGIN" and the older "AUTH=PLAIN LOGIN" both list mechanisms.
bool offers(const QStringList& extensions, const QString& keyword, const QString& mechanism) {
    for (const QString& line : extensions) {
        const QStringList words =
            line.toUpper().split(QRegularExpression(QStringLiteral("[ =]")), Qt::SkipEmptyParts);
        if (words.value(0) != keyword)
            continue;
        if (mechanism.isEmpty() || words.mid(1).contains(mechanism))
            return true;
    }
    return false;
}

} // namespace

TMailSMTP::TMailSMTP(QObject* parent) : QObject(parent), m_socket(this) {
    connect(&m_socket, &TMailSocket::canceled, this, &TMailSMTP::cancel);
    connect(&m_socket, &TMailSocket::closing, this, &TMailSMTP::closing);
    connect(&m_socket, &TMailSocket::closed, this, &TMailSMTP::closed);
    connect(&m_socket, &TMailSocket::error, this, &TMailSMTP::error);
}

TMailSMTP::~TMailSMTP() {
    // Nobody is left to tell when the file cannot be written; the mail itself is unaffected.
    if (!m_logFile.isEmpty())
        m_socket.transcript().save(m_logFile);
}

bool TMailSMTP::securityFromText(const QString& text, SmtpSecurity& security) {
    const QString word = text.trimmed().toLower();
    if (word.isEmpty() || word == QStringLiteral("none"))
        security = SmtpSecurity::None;
    else if (word == QStringLiteral("starttls"))
        security = SmtpSecurity::StartTls;
    else if (word == QStringLiteral("tls"))
        security = SmtpSecurity::Tls;
    else
        return false;
    return true;
}

void TMailSMTP::setTimeOut(int seconds) {
    m_timeOut = seconds;
    m_socket.setTimeOut(seconds);
}

void TMailSMTP::SendMail() {
    // A bad address is refused before the server hears anything.
    if (m_mailMessage)
        m_mailMessage->checkAddresses();
    try {
        Open();
        Send();
    } catch (...) {
        closeQuietly();
        throw;
    }
    closeAfterDelivery();
}

void TMailSMTP::Open() {
    if (m_socket.isConnected())
        return;
    if (m_server.isEmpty())
        failSocket(QStringLiteral("Server property is required"));
    m_socket.clearCancel();
    Q_EMIT open();
    const QString host = m_server.section(u':', 0, 0);
    const quint16 port = serverPort();
    const QString localName = QHostInfo::localHostName();
    const QString localHost = localName.isEmpty() ? host : localName;
    m_socket.connectTo(host, port, m_security == SmtpSecurity::Tls);
    expectPositive(m_socket.readReply());
    if (m_security != SmtpSecurity::StartTls && m_user.isEmpty())
        return hello(localHost);
    QStringList extensions = extendedHello(localHost);
    if (m_security == SmtpSecurity::StartTls)
        secure(host, localHost, extensions);
    if (!m_user.isEmpty())
        authenticate(extensions);
}

QStringList TMailSMTP::extendedHello(const QString& localHost) {
    const SmtpReply reply = command("EHLO " + localHost.toUtf8());
    expectPositive(reply);
    return reply.lines().mid(1);
}

void TMailSMTP::secure(const QString& host, const QString& localHost, QStringList& extensions) {
    // Never on in clear text: the mail and any password would go out unprotected.
    if (!offers(extensions, QStringLiteral("STARTTLS"), QString()))
        failSocket(QStringLiteral("TLS: the server does not offer STARTTLS; nothing was sent"));
    expectPositive(command("STARTTLS"));
    m_socket.startTls(host);
    // What the server said before the upgrade may have been forged: ask again.
    extensions = extendedHello(localHost);
}

void TMailSMTP::authenticate(const QStringList& extensions) {
    if (offers(extensions, QStringLiteral("AUTH"), QStringLiteral("PLAIN")))
        return authPlain();
    if (offers(extensions, QStringLiteral("AUTH"), QStringLiteral("LOGIN")))
        return authLogin();
    failSocket(QStringLiteral("The server offers neither AUTH PLAIN nor AUTH LOGIN; check the "
                              "server and the SMTP user in the settings"));
}

void TMailSMTP::authPlain() {
    const QByteArray login = '\0' + m_user.toUtf8() + '\0' + m_password.toUtf8();
    const QByteArray token = login.toBase64();
    expectPositive(secretCommand("AUTH PLAIN " + token, QStringLiteral("AUTH PLAIN ") + Masked));
}

void TMailSMTP::authLogin() {
    const SmtpReply ask = command("AUTH LOGIN");
    if (!ask.isIntermediate())
        throw EServerError(ask.text());
    const SmtpReply user = secretCommand(m_user.toUtf8().toBase64(), Masked);
    if (!user.isIntermediate())
        throw EServerError(user.text());
    expectPositive(secretCommand(m_password.toUtf8().toBase64(), Masked));
}

SmtpReply TMailSMTP::secretCommand(const QByteArray& line, const QString& shown) {
    m_socket.sendSecretLine(line, shown);
    return m_socket.readReply();
}

quint16 TMailSMTP::serverPort() {
    const qsizetype colon = m_server.indexOf(u':');
    if (colon < 0 && m_security == SmtpSecurity::Tls)
        return 465;
    if (colon < 0) {
        if (m_defaultPort == 0)
            failSocket(QStringLiteral("Service name is required"));
        return m_defaultPort;
    }
    const QString text = m_server.mid(colon + 1);
    bool ok = false;
    const quint16 port = text.toUShort(&ok);
    if (!ok || port == 0)
        failSocket(QStringLiteral("Invalid port: ") + text);
    return port;
}

void TMailSMTP::hello(const QString& localHost) {
    // Some servers refuse the name a machine gives itself, yet take a bare HELO.
    if (command("HELO " + localHost.toUtf8()).isPositive())
        return;
    expectPositive(command("HELO"));
}

void TMailSMTP::Send() {
    if (!m_mailMessage)
        failSocket(QStringLiteral("MailMessage property must be assigned"));
    const TMailMessage& message = *m_mailMessage;
    message.validate();
    Q_EMIT prepare();
    const MailText text = TMailMessageEncoder().encode(message);
    Q_EMIT sending();
    expectPositive(command("MAIL FROM:<" + message.Sender().Address().toUtf8() + '>'));
    recipients(message);
    const SmtpReply data = command("DATA");
    if (!data.isIntermediate())
        throw EServerError(data.text());
    sendText(text);
    m_socket.sendLine(QByteArray());
    expectPositive(command("."));
    Q_EMIT mailSent();
}

void TMailSMTP::recipients(const TMailMessage& message) {
    for (const TMailAddressList* list : {&message.Recipients(), &message.CC(), &message.BCC()})
        for (const TMailAddress& address : list->items()) {
            const SmtpReply reply = command("RCPT TO:<" + address.Address().toUtf8() + '>');
            if (reply.isPositive())
                continue;
            bool accept = false;
            Q_EMIT addressRejected(address.Address(), accept, reply.text());
            if (!accept)
                throw EServerError(reply.text());
        }
}

void TMailSMTP::sendText(const MailText& text) {
    m_socket.transcript().add(QStringLiteral("Suppressing the message body"));
    DotStuffer stuffer;
    qint64 sent = 0;
    for (MailTextReader reader(text); !reader.atEnd();) {
        const QByteArray block = reader.next(BlockSize);
        m_socket.sendData(stuffer.stuff(block));
        sent += block.size();
        Q_EMIT progress(
            qRound(100.0 * static_cast<double>(sent) / static_cast<double>(text.size())), sent);
    }
    Q_EMIT progress(0, 0);
}

void TMailSMTP::Close() {
    if (!m_socket.isOpen())
        return;
    try {
        quit();
    } catch (...) {
        m_socket.close();
        throw;
    }
    m_socket.close();
}

void TMailSMTP::quit() {
    if (m_socket.isConnected())
        expectPositive(command("QUIT"));
}

void TMailSMTP::closeQuietly() {
    // The failure that brought us here is the one to report, not a failed goodbye after it.
    try {
        Close();
    } catch (const ShipkitError&) {
    }
}

void TMailSMTP::closeAfterDelivery() {
    const QString note = QStringLiteral("QUIT failed after the mail was delivered: ");
    try {
        quit();
    } catch (const EServerError& e) {
        m_socket.transcript().add(note + e.message());
        Q_EMIT error(e.message());
    } catch (const ShipkitError& e) {
        m_socket.transcript().add(note + e.message()); // error() has told it already
    }
    m_socket.close();
}

SmtpReply TMailSMTP::command(const QByteArray& line) {
    m_socket.sendLine(line);
    return m_socket.readReply();
}

void TMailSMTP::expectPositive(const SmtpReply& reply) {
    if (!reply.isPositive())
        throw EServerError(reply.text());
}

void TMailSMTP::failSocket(const QString& text) {
    Q_EMIT error(text);
    throw ESocketError(text);
}
