// The SMTP client's STARTTLS, TLS and AUTH against Debian's aiosmtpd with its own options, and
// certificates openssl makes for the test.
#include "net/ESocketError.h"
#include "net/TMailMessage.h"
#include "net/TMailSMTP.h"
#include "support/MailInbox.h"
#include "support/NetGuard.h"
#include "support/PatternBytes.h"
#include "support/TempWorkspace.h"
#include "support/TestCertificates.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct SecureCase {
    const char* name;
    QStringList serverOptions; // "%CERT%" and "%KEY%" stand for the test's files
    SmtpSecurity security;
    QString user;
    QByteArray authLog;     // what the server's authenticator noted
    QString transcriptAuth; // the AUTH lines as the transcript shows them
};

const QString Secret = QStringLiteral("pa55-w0rd!");

class SmtpTlsRealServer : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_certs.made()) << m_certs.log().toStdString(); }

    void serve(const QString& inbox, QStringList options) {
        options.replaceInStrings(QStringLiteral("%CERT%"), m_certs.good());
        options.replaceInStrings(QStringLiteral("%KEY%"), m_certs.keyFile());
        m_server = MailInbox::server(m_dir.path(inbox), options);
        ASSERT_TRUE(m_server->start(QByteArray())) << m_server->log().toStdString();
    }

    // The error, or "" once the server took the mail.
    QString send(SmtpSecurity security, const QString& user, const QString& transcript,
                 const QString& attachment = QString()) {
        TMailMessage message;
        message.Sender() = TMailAddress(QStringLiteral("sales@x.example"), QString());
        message.Recipients().add(QStringLiteral("editor@y.example"), QString());
        message.setSubject(QStringLiteral("Secure submission"));
        message.setBody({QStringLiteral("Sent over TLS.")});
        if (!attachment.isEmpty())
            message.Attachments().add(attachment);
        TMailSMTP smtp;
        smtp.setServer(QStringLiteral("127.0.0.1:%1").arg(m_server->port()));
        smtp.setSecurity(security);
        smtp.setUser(user);
        smtp.setPassword(Secret);
        smtp.setTlsPolicy(TlsPolicy(m_certs.caFile()));
        smtp.setLogFile(m_dir.path(transcript));
        smtp.setMailMessage(&message);
        NetGuard guard([&] { smtp.Cancel(); });
        try {
            smtp.SendMail();
        } catch (const ShipkitError& e) {
            return e.message();
        }
        return QString();
    }

    TestCertificates m_certs;
    TempWorkspace m_dir;
    std::unique_ptr<NetServerProcess> m_server;
};

} // namespace

TEST_F(SmtpTlsRealServer, EachModeDeliversTheMail) {
    const QStringList startTls{"--starttls", "%CERT%", "%KEY%"};
    const QStringList auth{"--auth", "shipper", Secret};
    const SecureCase cases[] = {
        {"STARTTLS", startTls, SmtpSecurity::StartTls, {}, {}, {}},
        {"TLS from the start", {"--tls", "%CERT%", "%KEY%"}, SmtpSecurity::Tls, {}, {}, {}},
        {"STARTTLS and AUTH PLAIN", startTls + auth, SmtpSecurity::StartTls, "shipper",
         "PLAIN shipper ok\n", "AUTH PLAIN ********"},
        {"STARTTLS and AUTH LOGIN", startTls + auth + QStringList{"--no-plain"},
         SmtpSecurity::StartTls, "shipper", "LOGIN shipper ok\n", "AUTH LOGIN|********|********"},
    };
    int number = 0;
    for (const SecureCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString inbox = QStringLiteral("inbox%1").arg(++number);
        serve(inbox, c.serverOptions);
        EXPECT_EQ(send(c.security, c.user, inbox + ".log"), QString());
        EXPECT_TRUE(m_dir.read(inbox + "/1.eml").contains("Sent over TLS."));
        EXPECT_EQ(m_dir.read(inbox + "/auth.log"), c.authLog);
        const QString transcript = QString::fromUtf8(m_dir.read(inbox + ".log"));
        EXPECT_FALSE(transcript.contains(Secret));
        EXPECT_FALSE(transcript.contains(QString::fromLatin1(Secret.toUtf8().toBase64())));
        QStringList authLines;
        for (const QString& line : transcript.split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("AUTH")) || line == QStringLiteral("********"))
                authLines << line;
        EXPECT_EQ(authLines.join(u'|'), c.transcriptAuth);
    }
}

TEST_F(SmtpTlsRealServer, StartTlsNotOfferedFailsWithNothingSentInClear) {
    serve(QStringLiteral("inbox"), {});
    EXPECT_EQ(send(SmtpSecurity::StartTls, QStringLiteral("shipper"), QStringLiteral("t.log")),
              QStringLiteral("TLS: the server does not offer STARTTLS; nothing was sent"));
    EXPECT_EQ(QDir(m_dir.path(QStringLiteral("inbox"))).entryList(QDir::Files), QStringList());
    const QString transcript = QString::fromUtf8(m_dir.read(QStringLiteral("t.log")));
    EXPECT_FALSE(transcript.contains(QStringLiteral("AUTH")));
    EXPECT_FALSE(transcript.contains(QStringLiteral("MAIL FROM")));
}

// An attachment bigger than the socket may queue goes through TLS a piece at a time; the
// saved message must hold all of it, in order.
TEST_F(SmtpTlsRealServer, BigAttachmentArrivesWhole) {
    serve(QStringLiteral("inbox"), {"--tls", "%CERT%", "%KEY%"});
    const QByteArray data = patternBytes(3 * 1024 * 1024 + 5);
    m_dir.write(QStringLiteral("big.bin"), data);
    EXPECT_EQ(send(SmtpSecurity::Tls, QString(), QStringLiteral("big.log"),
                   m_dir.path(QStringLiteral("big.bin"))),
              QString());
    QByteArray saved = m_dir.read(QStringLiteral("inbox/1.eml"));
    saved.replace('\r', QByteArray()).replace('\n', QByteArray());
    EXPECT_TRUE(saved.contains(data.toBase64())) << "saved " << saved.size() << " bytes";
}
