// The FTP client against a real server nobody here wrote: Debian's pyftpdlib, with a user and
// password, in active and passive mode, moving real files.
#include "net/ENetFTP.h"
#include "net/TNetFTP.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/PatternBytes.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class FtpRealServer : public ::testing::Test {
protected:
    void SetUp() override {
        m_root.write(QStringLiteral("served/readme.txt"), "Hello from the server.\r\n");
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                        QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("%PORT%"),
                        QStringLiteral("-u"), QStringLiteral("shipper"), QStringLiteral("-P"),
                        QStringLiteral("secret"), QStringLiteral("-w"), QStringLiteral("-d"),
                        served()});
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
        m_ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
        m_ftp.setRemotePort(m_server->port());
        m_ftp.setUser(QStringLiteral("shipper"));
        m_ftp.setPassword(QStringLiteral("secret"));
    }

    QString served() const { return m_root.path(QStringLiteral("served")); }

    QString run(TNetFTPActions action) {
        NetGuard guard([this] { m_ftp.setAction(ftpIdle); });
        try {
            m_ftp.setAction(action);
        } catch (const ENetFTP& e) {
            return e.message();
        }
        return QString();
    }

    void uploadAndReadBack(bool passive) {
        const QByteArray content = patternBytes(6 * 1024 * 1024 + 11);
        m_root.write(QStringLiteral("local/app.zip"), content);
        m_ftp.setPassive(passive);
        m_ftp.setTransferMode(tmBinary);
        ASSERT_EQ(run(ftpLogon), QString());
        m_ftp.setLocalFile(m_root.path(QStringLiteral("local/app.zip")));
        m_ftp.setRemoteFile(QStringLiteral("app.zip"));
        qint64 total = 0;
        QObject::connect(&m_ftp, &TNetFTP::transfer,
                         [&](qint64 n, const QByteArray&) { total = n; });
        EXPECT_EQ(run(ftpUpload), QString());
        EXPECT_EQ(total, content.size());
        EXPECT_EQ(m_root.read(QStringLiteral("served/app.zip")), content);

        m_ftp.setLocalFile(m_root.path(QStringLiteral("local/back.zip")));
        EXPECT_EQ(run(ftpDownload), QString());
        EXPECT_EQ(m_root.read(QStringLiteral("local/back.zip")), content);
        EXPECT_EQ(run(ftpLogoff), QString());
        EXPECT_FALSE(m_ftp.isOpen());
    }

    TempWorkspace m_root;
    std::unique_ptr<NetServerProcess> m_server;
    TNetFTP m_ftp;
};

} // namespace

TEST_F(FtpRealServer, ActiveUploadAndDownload) {
    uploadAndReadBack(false);
}

TEST_F(FtpRealServer, PassiveUploadAndDownload) {
    uploadAndReadBack(true);
}

TEST_F(FtpRealServer, EmptyFileUpload) {
    m_root.write(QStringLiteral("local/empty.txt"), QByteArray());
    m_ftp.setLocalFile(m_root.path(QStringLiteral("local/empty.txt")));
    m_ftp.setRemoteFile(QStringLiteral("empty.txt"));
    EXPECT_EQ(run(ftpUpload), QString());
    EXPECT_TRUE(m_root.exists(QStringLiteral("served/empty.txt")));
    EXPECT_EQ(m_ftp.LastReply().left(3), QStringLiteral("226"));
}

TEST_F(FtpRealServer, WrongPasswordFailsLogon) {
    m_ftp.setPassword(QStringLiteral("wrong"));
    const QString error = run(ftpLogon);
    EXPECT_TRUE(error.startsWith(QStringLiteral("141: 530"))) << error.toStdString();
}

TEST_F(FtpRealServer, DirectoriesAndListing) {
    ASSERT_EQ(run(ftpLogon), QString());
    m_ftp.setRemoteFile(QStringLiteral("incoming"));
    EXPECT_EQ(run(ftpMakeDirectory), QString());
    m_ftp.setRemotePath(QStringLiteral("incoming"));
    EXPECT_EQ(m_ftp.RemotePath(), QStringLiteral("/incoming"));
    m_ftp.setRemotePath(QStringLiteral(".."));
    EXPECT_EQ(m_ftp.RemotePath(), QStringLiteral("/"));

    QStringList entries;
    QObject::connect(&m_ftp, &TNetFTP::dirList, [&](const QString& e) { entries << e; });
    m_ftp.setRemoteFile(QString());
    EXPECT_EQ(run(ftpListDirectory), QString());
    entries.sort();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("incoming"), QStringLiteral("readme.txt")}));

    entries.clear();
    m_ftp.setPassive(true);
    EXPECT_EQ(run(ftpListDirectoryLong), QString());
    ASSERT_EQ(entries.size(), 2);
    EXPECT_TRUE(entries.filter(QStringLiteral("readme.txt")).size() == 1);
}

TEST_F(FtpRealServer, RenameAndDelete) {
    m_ftp.setRemoteFile(QStringLiteral("readme.txt"));
    m_ftp.setAltFile(QStringLiteral("renamed.txt"));
    EXPECT_EQ(run(ftpRenameFile), QString());
    EXPECT_TRUE(m_root.exists(QStringLiteral("served/renamed.txt")));
    m_ftp.setRemoteFile(QStringLiteral("renamed.txt"));
    EXPECT_EQ(run(ftpDeleteFile), QString());
    EXPECT_FALSE(m_root.exists(QStringLiteral("served/renamed.txt")));
    m_ftp.setRemoteFile(QStringLiteral("renamed.txt"));
    EXPECT_TRUE(run(ftpDownload).startsWith(QStringLiteral("141: 550")));
}

TEST_F(FtpRealServer, DownloadToEventsGivesTheText) {
    QByteArray text;
    QObject::connect(&m_ftp, &TNetFTP::transfer, [&](qint64, const QByteArray& t) { text += t; });
    m_ftp.setRemoteFile(QStringLiteral("readme.txt"));
    m_ftp.setTransferMode(tmBinary);
    EXPECT_EQ(run(ftpDownload), QString());
    EXPECT_EQ(text, QByteArray("Hello from the server.\r\n"));
}
