// The FTP step against a real server nobody here wrote: Debian's pyftpdlib, in the mode the
// step uses (active data connections, a user and a password). What lands on the server is
// read back byte for byte, and the zips are opened with Python's own zipfile.
#include "submit/FtpUploader.h"
#include "support/FtpStepFixture.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/PatternBytes.h"
#include "support/TestCertificates.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using Added = SiteEngine::AddedText;

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// Each entry of the zip as "name sha256", in the archive's order, after zipfile's own check.
QStringList pythonZipEntries(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import hashlib, sys, zipfile\n"
                                 "z = zipfile.ZipFile(sys.argv[1])\n"
                                 "bad = z.testzip()\n"
                                 "if bad: sys.exit('damaged entry ' + bad)\n"
                                 "for i in z.infolist():\n"
                                 "    print(i.filename, hashlib.sha256(z.read(i)).hexdigest())\n"),
                  path});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return {QStringLiteral("python failed: ") +
                QString::fromUtf8(python.readAllStandardError())};
    return QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

class FtpUploaderRealServer : public ::testing::Test, protected FtpStepFixture {
protected:
    void SetUp() override {
        ws.write("served/incoming/.keep", QByteArray());
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral("-m"), QStringLiteral("pyftpdlib"), QStringLiteral("-i"),
                        QStringLiteral("127.0.0.1"), QStringLiteral("-p"), QStringLiteral("%PORT%"),
                        QStringLiteral("-u"), QStringLiteral("shipper"), QStringLiteral("-P"),
                        QStringLiteral("secret"), QStringLiteral("-w"), QStringLiteral("-d"),
                        ws.path(QStringLiteral("served"))});
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
        server(m_server->port());
    }

    bool step(int retries = 0) {
        NetGuard guard([this] { uploader().Abort(); }, 60000);
        const bool ok = runStep(retries);
        EXPECT_FALSE(guard.fired()) << "the step hung";
        return ok;
    }

    QStringList replies() const { return transcript().filter(QStringLiteral("SERVER: 226")); }

    std::unique_ptr<NetServerProcess> m_server;
};

// pyftpdlib's TLS handler refuses commands and data in clear.
class FtpsUploaderRealServer : public FtpUploaderRealServer {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_certs.made()) << m_certs.log().toStdString();
        ws.write("served/incoming/.keep", QByteArray());
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/FtpsServer.py"),
                        QStringLiteral("%PORT%"), ws.path(QStringLiteral("served")), m_certs.good(),
                        m_certs.keyFile(), QStringLiteral("shipper"), QStringLiteral("secret")});
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
        server(m_server->port());
        uploader().setTlsPolicy(TlsPolicy(m_certs.caFile()));
        engine.ftpTls = true;
    }

    TestCertificates m_certs;
};

} // namespace

TEST_F(FtpUploaderRealServer, FileAsItIsAndAddedTextArriveAsSent) {
    const QByteArray program = patternBytes(3 * 1024 * 1024 + 17, 7);
    appFile("MyApp.exe", program);
    addedText("Line one\r\n%APPNAME% %APPVERSION%", "readme.txt");
    ASSERT_TRUE(step()) << transcript().join('\n').toStdString();
    EXPECT_EQ(sentCommands(), QStringList({"USER shipper", "PASS ********", "TYPE I", "PORT *",
                                           "STOR incoming/MyApp.exe", "TYPE A", "PORT *",
                                           "STOR incoming/readme.txt", "QUIT"}));
    EXPECT_EQ(replies().size(), 2);
    EXPECT_EQ(ws.read("served/incoming/MyApp.exe"), program);
    // ASCII mode: the text travels with CR LF and is stored in the server's own line ends.
    EXPECT_EQ(ws.read("served/incoming/readme.txt"), "Line one\nMyApp 1.2\n");
    EXPECT_EQ(view.runLog, QStringList({"Uploaded incoming/MyApp.exe to Site One",
                                        "Uploaded readme.txt to Site One"}));
}

TEST_F(FtpUploaderRealServer, PackedZipWithTheTextInsideOpensWithPythonsZipfile) {
    const QByteArray program = patternBytes(2 * 1024 * 1024 + 3, 7);
    appFile("MyApp.exe", program);
    engine.setFlag("USE_ZIP_FILE", true);
    engine.setFlag("USE_8X3_FILENAME", true);
    engine.setAddedText(Added::IncludeInZip);
    addedText("Line one\r\n%APPNAME% %APPVERSION%", "readme.txt");
    ASSERT_TRUE(step()) << transcript().join('\n').toStdString();
    EXPECT_EQ(sentCommands(), QStringList({"USER shipper", "PASS ********", "TYPE I", "PORT *",
                                           "STOR incoming/MYAPP.zip", "QUIT"}));
    EXPECT_EQ(ws.read("served/incoming/MYAPP.zip"), ws.read("files/MYAPP.zip"));
    EXPECT_EQ(pythonZipEntries(ws.path("served/incoming/MYAPP.zip")),
              QStringList({"MyApp.exe " + sha256(program),
                           "readme.txt " + sha256("Line one\r\nMyApp 1.2\r\n")}));
    EXPECT_FALSE(ws.exists("served/incoming/readme.txt")) << "the text went into the zip only";
}

TEST_F(FtpUploaderRealServer, ZipIsCopiedAndSentUnderItsOwnName) {
    const QByteArray program = patternBytes(100000, 7);
    appFile("MyApp.exe", program);
    engine.setFlag("USE_ZIP_FILE", true);
    ASSERT_TRUE(step());
    const QByteArray zip = ws.read("files/MyApp.zip");
    // The zip made above becomes the application's file: it goes out as it is.
    appFile("Bundle.zip", zip);
    engine.setFlag("USE_ZIP_FILE", false);
    engine.setFlag("USE_8X3_FILENAME", true);
    ASSERT_TRUE(step());
    EXPECT_EQ(sentCommands(), QStringList({"USER shipper", "PASS ********", "TYPE I", "PORT *",
                                           "STOR incoming/Bundle.zip", "QUIT"}));
    EXPECT_EQ(ws.read("served/incoming/Bundle.zip"), zip);
    EXPECT_EQ(pythonZipEntries(ws.path("served/incoming/Bundle.zip")),
              QStringList{"MyApp.exe " + sha256(program)});
}

TEST_F(FtpUploaderRealServer, WrongPasswordFailsEveryAttempt) {
    appFile("MyApp.exe", patternBytes(1000, 7));
    engine.set("LOGIN_PASSWORD", "wrong");
    EXPECT_FALSE(step(1));
    EXPECT_EQ(sentCommands(),
              QStringList({"USER shipper", "PASS ********", "USER shipper", "PASS ********"}));
    EXPECT_EQ(transcript().filter(QStringLiteral("EXCEPTION: 141: 530")).size(), 2);
    EXPECT_TRUE(uploader().FtpErrorText().startsWith(QStringLiteral("141: 530")));
    EXPECT_FALSE(ws.exists("served/incoming/MyApp.exe"));
}

TEST_F(FtpsUploaderRealServer, FileAndAddedTextArriveWholeOverTlsInBothModes) {
    const QByteArray program = patternBytes(300 * 1024 + 9, 7);
    appFile("MyApp.exe", program);
    addedText("Line one\r\n%APPNAME% %APPVERSION%", "readme.txt");
    for (const bool passive : {false, true}) {
        SCOPED_TRACE(passive ? "passive" : "active");
        engine.ftpPassive = passive;
        QFile::remove(ws.path("served/incoming/MyApp.exe"));
        ASSERT_TRUE(step()) << transcript().join('\n').toStdString();
        const QString data = passive ? "PASV" : "PORT *";
        EXPECT_EQ(sentCommands(),
                  QStringList({"AUTH TLS", "USER shipper", "PASS ********", "PBSZ 0", "PROT P",
                               "TYPE I", data, "STOR incoming/MyApp.exe", "TYPE A", data,
                               "STOR incoming/readme.txt", "QUIT"}));
        EXPECT_EQ(ws.read("served/incoming/MyApp.exe"), program);
        EXPECT_EQ(ws.read("served/incoming/readme.txt"), "Line one\nMyApp 1.2\n");
        view.ftpLog.clear();
    }
}
