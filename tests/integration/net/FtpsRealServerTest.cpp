// The FTP client with TLS against pyftpdlib's TLS handler, which refuses anything in clear:
// the control connection is secured before the password goes out.
#include "net/ENetFTP.h"
#include "net/TNetFTP.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/PatternBytes.h"
#include "support/TempWorkspace.h"
#include "support/TestCertificates.h"

#include <gtest/gtest.h>

namespace {

class FtpsRealServer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_certs.made()) << m_certs.log().toStdString();
        m_root.write(QStringLiteral("served/.keep"), QByteArray());
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/FtpsServer.py"),
                        QStringLiteral("%PORT%"), m_root.path(QStringLiteral("served")),
                        m_certs.good(), m_certs.keyFile(), QStringLiteral("shipper"),
                        QStringLiteral("secret")});
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
        QObject::connect(&m_ftp, &TNetFTP::firePITrail, [this](int direction, const QString& t) {
            if (direction == TNetFTP::CommandSent)
                m_commands << t;
        });
    }

    void logOn(bool passive) {
        m_ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
        m_ftp.setRemotePort(m_server->port());
        m_ftp.setUser(QStringLiteral("shipper"));
        m_ftp.setPassword(QStringLiteral("secret"));
        m_ftp.setSecure(true);
        m_ftp.setPassive(passive);
        m_ftp.setTlsPolicy(TlsPolicy(m_certs.caFile()));
        m_ftp.setTransferMode(tmBinary);
        ASSERT_EQ(run(ftpLogon), QString());
    }

    QString run(TNetFTPActions action) {
        NetGuard guard([this] { m_ftp.setAction(ftpIdle); });
        try {
            m_ftp.setAction(action);
        } catch (const ENetFTP& e) {
            return e.message();
        }
        return QString();
    }

    TestCertificates m_certs;
    TempWorkspace m_root;
    std::unique_ptr<NetServerProcess> m_server;
    TNetFTP m_ftp;
    QStringList m_commands;
};

} // namespace

TEST_F(FtpsRealServer, LogonSecuresTheControlConnectionBeforeThePassword) {
    m_ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    m_ftp.setRemotePort(m_server->port());
    m_ftp.setUser(QStringLiteral("shipper"));
    m_ftp.setPassword(QStringLiteral("secret"));
    m_ftp.setSecure(true);
    m_ftp.setTlsPolicy(TlsPolicy(m_certs.caFile()));
    m_ftp.setTransferMode(tmBinary);
    ASSERT_EQ(run(ftpLogon), QString());
    EXPECT_TRUE(m_ftp.isEncrypted());
    EXPECT_EQ(run(ftpLogoff), QString());
    EXPECT_EQ(m_commands, (QStringList{"AUTH TLS", "USER shipper", "PASS secret", "PBSZ 0",
                                       "PROT P", "TYPE I", "QUIT"}));
}

TEST_F(FtpsRealServer, WithoutTheAuthorityTheLogonFailsWithTheReason) {
    m_ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    m_ftp.setRemotePort(m_server->port());
    m_ftp.setUser(QStringLiteral("shipper"));
    m_ftp.setPassword(QStringLiteral("secret"));
    m_ftp.setSecure(true);
    EXPECT_EQ(run(ftpLogon),
              QStringLiteral("120: TLS: issuer certificate of a locally looked up certificate "
                             "could not be found"));
    EXPECT_EQ(m_commands, QStringList{"AUTH TLS"}) << "no password in clear";
}

// The server refuses data in clear, so every byte that arrives came over an encrypted data
// connection; what it stored must equal the file sent, and the file read back the same.
TEST_F(FtpsRealServer, UploadsAndDownloadsWholeFilesInBothModes) {
    for (const bool passive : {false, true}) {
        logOn(passive);
        for (const qsizetype size : {qsizetype(0), qsizetype(1), qsizetype(300 * 1024 + 7),
                                     qsizetype(6 * 1024 * 1024 + 11), qsizetype(300 * 1024)}) {
            SCOPED_TRACE(testing::Message() << (passive ? "passive " : "active ") << size);
            const QByteArray content = patternBytes(size);
            m_root.write(QStringLiteral("local/app.zip"), content);
            m_ftp.setLocalFile(m_root.path(QStringLiteral("local/app.zip")));
            m_ftp.setRemoteFile(QStringLiteral("app.zip"));
            EXPECT_EQ(run(ftpUpload), QString());
            EXPECT_EQ(m_root.read(QStringLiteral("served/app.zip")), content);
            m_ftp.setLocalFile(m_root.path(QStringLiteral("local/back.zip")));
            EXPECT_EQ(run(ftpDownload), QString());
            EXPECT_EQ(m_root.read(QStringLiteral("local/back.zip")), content);
        }
        EXPECT_EQ(run(ftpLogoff), QString());
    }
}
