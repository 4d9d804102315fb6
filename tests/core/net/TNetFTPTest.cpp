// The FTP client against a scripted server on loopback: exact commands, replies, transfers in
// both data connection kinds, and failures.
#include "net/TNetFTP.h"
#include "net/ENetFTP.h"
#include "net/FtpHostPort.h"
#include "support/FakeFtpServer.h"
#include "support/NetGuard.h"
#include "support/PatternBytes.h"
#include "support/TempWorkspace.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// The transcript and transfer events of a client, in order.
class FtpLog {
public:
    explicit FtpLog(TNetFTP& ftp) {
        QObject::connect(&ftp, &TNetFTP::firePITrail, [this](int d, const QString& m) {
            trail << QStringLiteral("%1 %2").arg(d).arg(m);
        });
        QObject::connect(&ftp, &TNetFTP::startTransfer,
                         [this] { events << QStringLiteral("start"); });
        QObject::connect(&ftp, &TNetFTP::transfer, [this](qint64 n, const QByteArray& t) {
            if (events.isEmpty() || events.last() != QStringLiteral("transfer"))
                events << QStringLiteral("transfer");
            totals << n;
            text += t;
        });
        QObject::connect(&ftp, &TNetFTP::endTransfer, [this] { events << QStringLiteral("end"); });
        QObject::connect(&ftp, &TNetFTP::dirList, [this](const QString& e) { entries << e; });
        QObject::connect(&ftp, &TNetFTP::error, [this](int n, const QString& d) {
            errors << QStringLiteral("%1 %2").arg(n).arg(d);
        });
    }
    QStringList trail, events, entries, errors;
    QList<qint64> totals;
    QByteArray text;
};

void configure(TNetFTP& ftp, const FakeFtpServer& server) {
    ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    ftp.setRemotePort(server.port());
    ftp.setUser(QStringLiteral("shipper"));
    ftp.setPassword(QStringLiteral("secret"));
}

QString run(TNetFTP& ftp, TNetFTPActions action) {
    NetGuard guard([&] { ftp.setAction(ftpIdle); });
    try {
        ftp.setAction(action);
    } catch (const ENetFTP& e) {
        return e.message();
    }
    return QString();
}

QByteArray portArgument(const QByteArray& control) {
    const qsizetype at = control.indexOf("PORT ");
    return control.mid(at + 5, control.indexOf("\r\n", at) - at - 5);
}

} // namespace

TEST(FtpHostPort, FormatsSixNumbers) {
    EXPECT_EQ(FtpHostPort::format(QHostAddress(QStringLiteral("192.168.1.2")), 1234),
              QStringLiteral("192,168,1,2,4,210"));
}

TEST(FtpHostPort, ParsesPassiveReply) {
    QString host;
    quint16 port = 0;
    ASSERT_TRUE(FtpHostPort::parse(QStringLiteral("227 Entering Passive Mode (10,0,0,9,4,210)."),
                                   host, port));
    EXPECT_EQ(host, QStringLiteral("10.0.0.9"));
    EXPECT_EQ(port, 1234);
}

TEST(FtpHostPort, RefusesBrokenReplies) {
    QString host;
    quint16 port = 0;
    EXPECT_FALSE(FtpHostPort::parse(QStringLiteral("227 no numbers"), host, port));
    EXPECT_FALSE(FtpHostPort::parse(QStringLiteral("227 (1,2,3,4,5)"), host, port));
    EXPECT_FALSE(FtpHostPort::parse(QStringLiteral("227 (1,2,3,4,5,6"), host, port));
    EXPECT_FALSE(FtpHostPort::parse(QStringLiteral("227 (1,2,3,999,5,6)"), host, port));
}

TEST(TNetFTP, UploadPutsTheProgramsSequenceOnTheWire) {
    FakeFtpServer server;
    TempWorkspace dir;
    const QByteArray content = patternBytes(3 * 1024 * 1024 + 5, 31);
    dir.write(QStringLiteral("app.zip"), content);
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setTransferMode(tmBinary);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    ftp.setLocalFile(dir.path(QStringLiteral("app.zip")));
    ftp.setRemoteFile(QStringLiteral("incoming/app.zip"));
    EXPECT_EQ(run(ftp, ftpUpload), QString());
    EXPECT_EQ(run(ftp, ftpLogoff), QString());
    const QByteArray control = server.controlBytes();
    EXPECT_EQ(control, "USER shipper\r\nPASS secret\r\nTYPE I\r\nPORT " + portArgument(control) +
                           "\r\nSTOR incoming/app.zip\r\nQUIT\r\n");
    EXPECT_TRUE(portArgument(control).startsWith("127,0,0,1,"));
    EXPECT_EQ(server.uploaded(), content);
    EXPECT_EQ(log.events, (QStringList{QStringLiteral("start"), QStringLiteral("transfer"),
                                       QStringLiteral("end")}));
    EXPECT_EQ(log.totals.last(), content.size());
    EXPECT_TRUE(std::is_sorted(log.totals.begin(), log.totals.end()));
    EXPECT_EQ(log.trail.first(), QStringLiteral("2 Connecting to FTP server."));
    EXPECT_EQ(log.trail.mid(1, 4),
              (QStringList{QStringLiteral("2 Connected."), QStringLiteral("1 220 Fake FTP ready."),
                           QStringLiteral("0 USER shipper"),
                           QStringLiteral("1 331 Password required.")}));
    EXPECT_TRUE(log.trail.contains(QStringLiteral("0 PASS secret")));
    EXPECT_TRUE(log.trail.contains(QStringLiteral("1 150 Opening data connection.")));
    EXPECT_TRUE(log.trail.contains(QStringLiteral("1 226 Transfer complete.")));
    EXPECT_EQ(log.trail.last(), QStringLiteral("2 Disconnected."));
}

TEST(TNetFTP, PassiveUploadUsesPasv) {
    FakeFtpServer server;
    TempWorkspace dir;
    const QByteArray content = patternBytes(1024 * 1024, 31);
    dir.write(QStringLiteral("f.bin"), content);
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setPassive(true);
    ftp.setLocalFile(dir.path(QStringLiteral("f.bin")));
    ftp.setRemoteFile(QStringLiteral("f.bin"));
    EXPECT_EQ(run(ftp, ftpUpload), QString()); // logs on by itself
    EXPECT_EQ(server.controlBytes(),
              QByteArray("USER shipper\r\nPASS secret\r\nPASV\r\nSTOR f.bin\r\n"));
    EXPECT_EQ(server.uploaded(), content);
}

TEST(TNetFTP, MultiLineGreetingIsReadWholeBeforeUser) {
    FakeFtpServer server;
    server.setGreeting("220-Welcome to the fake.\r\n220-Second line\r\n220 Ready.\r\n");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(log.trail.mid(2, 4),
              (QStringList{QStringLiteral("1 220-Welcome to the fake."),
                           QStringLiteral("1 220-Second line"), QStringLiteral("1 220 Ready."),
                           QStringLiteral("0 USER shipper")}));
    EXPECT_EQ(ftp.LastReply(), QStringLiteral("230 Logged in."));
}

TEST(TNetFTP, MultiLineReplyEndsOnlyAtSameCodeAndSpace) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("PASS"),
                    "230-Hello\r\n 230 not the end\r\n230-nor this\r\n230 Done.\r\n");
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setTransferMode(tmASCII);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(server.commands().last(), QStringLiteral("TYPE A"));
}

TEST(TNetFTP, UserAnswered230StillSendsPassAnd503Fails) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("USER"), "230 No password needed.\r\n");
    server.setReply(QStringLiteral("PASS"), "503 Bad sequence of commands.\r\n");
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QStringLiteral("141: 503 Bad sequence of commands."));
    EXPECT_EQ(server.commands(),
              (QStringList{QStringLiteral("USER shipper"), QStringLiteral("PASS secret")}));
    EXPECT_FALSE(ftp.isOpen());
}

TEST(TNetFTP, EmptyUserSendsNoUserAndBarePass) {
    FakeFtpServer server;
    TNetFTP ftp;
    ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    ftp.setRemotePort(server.port());
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(server.controlBytes(), QByteArray("PASS\r\n"));
}

TEST(TNetFTP, EmptyFileUploadOpensAndClosesDataConnection) {
    FakeFtpServer server;
    TempWorkspace dir;
    dir.write(QStringLiteral("empty.txt"), QByteArray());
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setLocalFile(dir.path(QStringLiteral("empty.txt")));
    ftp.setRemoteFile(QStringLiteral("empty.txt"));
    EXPECT_EQ(run(ftp, ftpUpload), QString());
    EXPECT_EQ(server.dataConnections(), 1);
    EXPECT_TRUE(server.uploaded().isEmpty());
    EXPECT_EQ(log.events, (QStringList{QStringLiteral("start"), QStringLiteral("end")}));
    EXPECT_EQ(ftp.LastReply(), QStringLiteral("226 Transfer complete."));
}

TEST(TNetFTP, AbortDuringDownloadTakes426Then226) {
    FakeFtpServer server;
    server.setDownload(patternBytes(100000, 31));
    server.holdDownloadAfter(1000);
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("big.bin"));
    bool aborted = false;
    QString abortError;
    QObject::connect(&ftp, &TNetFTP::transfer, [&] {
        if (aborted)
            return;
        aborted = true;
        try {
            ftp.setAction(ftpAbort);
        } catch (const ENetFTP& e) {
            abortError = e.message();
        }
    });
    // The download itself was cut short: it reports the server's 426.
    EXPECT_EQ(run(ftp, ftpDownload),
              QStringLiteral("141: 426 Connection closed; transfer aborted."));
    EXPECT_EQ(abortError, QString());
    EXPECT_TRUE(server.controlBytes().endsWith(QByteArray("RETR big.bin\r\n\xFF\xF4\xFF\xF2"
                                                          "ABOR\r\n")));
    EXPECT_TRUE(log.trail.contains(QStringLiteral("1 226 ABOR command successful.")));
    // The client is in step with the server afterwards.
    EXPECT_EQ(run(ftp, ftpDeleteFile), QString());
    EXPECT_EQ(server.commands().last(), QStringLiteral("DELE big.bin"));
}

TEST(TNetFTP, AbortWhenIdleSendsSynchAndAbor) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(run(ftp, ftpAbort), QString());
    EXPECT_TRUE(server.controlBytes().endsWith(QByteArray("\xFF\xF4\xFF\xF2"
                                                          "ABOR\r\n")));
    EXPECT_EQ(ftp.LastReply(), QStringLiteral("225 No transfer to abort."));
}

TEST(TNetFTP, AbortWithoutConnectionDoesNotConnect) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpAbort), QString());
    EXPECT_TRUE(server.controlBytes().isEmpty());
    EXPECT_FALSE(ftp.isOpen());
}

TEST(TNetFTP, RemotePathDotDotSendsCdupOtherwiseCwd) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    ftp.setRemotePath(QStringLiteral("pub/incoming"));
    ftp.setRemotePath(QStringLiteral(".."));
    EXPECT_EQ(server.commands().mid(2),
              (QStringList{QStringLiteral("CWD pub/incoming"), QStringLiteral("CDUP")}));
}

TEST(TNetFTP, ReadingRemotePathAsksPwd) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(ftp.RemotePath(), QStringLiteral("/home/fake"));
    EXPECT_EQ(server.commands().last(), QStringLiteral("PWD"));
}

TEST(TNetFTP, RemotePathWhileDisconnectedIsOnlyStored) {
    TNetFTP ftp;
    ftp.setRemotePath(QStringLiteral("/x"));
    EXPECT_EQ(ftp.RemotePath(), QStringLiteral("/x"));
}

TEST(TNetFTP, FailedCwdRaisesAndKeepsOldPath) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("CWD"), "550 No such directory.\r\n");
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    try {
        ftp.setRemotePath(QStringLiteral("nowhere"));
        FAIL() << "no error";
    } catch (const ENetFTP& e) {
        EXPECT_EQ(e.message(), QStringLiteral("141: 550 No such directory."));
    }
}

TEST(TNetFTP, DownloadToFileActiveAndPassive) {
    for (const bool passive : {false, true}) {
        FakeFtpServer server;
        const QByteArray content = patternBytes(2 * 1024 * 1024 + 3, 31);
        server.setDownload(content);
        TempWorkspace dir;
        dir.write(QStringLiteral("got.bin"), "older and longer content that must go away entirely");
        TNetFTP ftp;
        FtpLog log(ftp);
        configure(ftp, server);
        ftp.setPassive(passive);
        ftp.setLocalFile(dir.path(QStringLiteral("got.bin")));
        ftp.setRemoteFile(QStringLiteral("remote.bin"));
        EXPECT_EQ(run(ftp, ftpDownload), QString()) << passive;
        EXPECT_EQ(dir.read(QStringLiteral("got.bin")), content) << passive;
        EXPECT_EQ(log.totals.last(), content.size());
        EXPECT_TRUE(log.text.isEmpty());
        EXPECT_EQ(log.events.first(), QStringLiteral("start"));
        EXPECT_EQ(log.events.last(), QStringLiteral("end"));
    }
}

TEST(TNetFTP, DownloadWithoutLocalFileGivesChunksInEvents) {
    FakeFtpServer server;
    server.setDownload("line one\r\nline two\r\n");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("readme.txt"));
    EXPECT_EQ(run(ftp, ftpDownload), QString());
    EXPECT_EQ(log.text, QByteArray("line one\r\nline two\r\n"));
}

TEST(TNetFTP, ListingFiresOneEventPerLine) {
    FakeFtpServer server;
    server.setListing("a.zip\r\nb.txt\nc.exe");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("*.*"));
    EXPECT_EQ(run(ftp, ftpListDirectory), QString());
    EXPECT_EQ(log.entries, (QStringList{QStringLiteral("a.zip"), QStringLiteral("b.txt"),
                                        QStringLiteral("c.exe")}));
    EXPECT_EQ(server.commands().last(), QStringLiteral("NLST *.*"));
    EXPECT_EQ(run(ftp, ftpListDirectoryLong), QString());
    EXPECT_EQ(server.commands().last(), QStringLiteral("LIST *.*"));
}

TEST(TNetFTP, StartByteSendsRestAndSkipsThatMuch) {
    FakeFtpServer server;
    TempWorkspace dir;
    dir.write(QStringLiteral("f.bin"), "0123456789");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setPassive(true);
    ftp.setStartByte(4);
    ftp.setLocalFile(dir.path(QStringLiteral("f.bin")));
    ftp.setRemoteFile(QStringLiteral("f.bin"));
    EXPECT_EQ(run(ftp, ftpUpload), QString());
    EXPECT_TRUE(server.controlBytes().endsWith("PASV\r\nREST 4\r\nSTOR f.bin\r\n"));
    EXPECT_EQ(server.uploaded(), QByteArray("456789"));
    EXPECT_EQ(log.totals, (QList<qint64>{10}));
}

TEST(TNetFTP, ResumedDownloadKeepsTheBytesAlreadyThere) {
    FakeFtpServer server;
    server.setDownload("world");
    TempWorkspace dir;
    dir.write(QStringLiteral("f.txt"), "hello");
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setStartByte(5);
    ftp.setLocalFile(dir.path(QStringLiteral("f.txt")));
    ftp.setRemoteFile(QStringLiteral("f.txt"));
    EXPECT_EQ(run(ftp, ftpDownload), QString());
    EXPECT_EQ(dir.read(QStringLiteral("f.txt")), QByteArray("helloworld"));
}

TEST(TNetFTP, ServerThatNeverAnswersIsInterruptedByTimer) {
    FakeFtpServer server;
    server.setGreeting(QByteArray()); // accepts and says nothing
    TNetFTP ftp;
    configure(ftp, server);
    QObject::connect(&ftp, &TNetFTP::firePITrail, [&](int, const QString& m) {
        if (m == QStringLiteral("Connected."))
            QTimer::singleShot(50, [&] { ftp.setAction(ftpIdle); });
    });
    EXPECT_EQ(run(ftp, ftpLogon), QStringLiteral("301: Interrupted"));
    EXPECT_FALSE(ftp.isOpen());
}

TEST(TNetFTP, CloseInMiddleOfReplyEndsWith301) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("USER"), "331 Pass");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    QObject::connect(&ftp, &TNetFTP::firePITrail, [&](int d, const QString& m) {
        if (d == 0 && m.startsWith(QStringLiteral("USER")))
            QTimer::singleShot(0, [&] { server.findChild<QTcpSocket*>()->disconnectFromHost(); });
    });
    EXPECT_EQ(run(ftp, ftpLogon), QStringLiteral("301: Interrupted"));
    EXPECT_EQ(log.trail.last(), QStringLiteral("2 Disconnected."));
    EXPECT_FALSE(log.trail.contains(QStringLiteral("1 331 Pass")));
}

TEST(TNetFTP, UnexpectedPasvReplyRaises141WithoutSendingTransfer) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("PASV"), "200 Whatever.\r\n");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setPassive(true);
    ftp.setRemoteFile(QStringLiteral("x"));
    EXPECT_EQ(run(ftp, ftpDownload), QStringLiteral("141: Unexpected server reply."));
    EXPECT_EQ(log.errors, (QStringList{QStringLiteral("141 Unexpected server reply.")}));
    EXPECT_EQ(server.commands().last(), QStringLiteral("PASV"));
}

TEST(TNetFTP, RefusedRetrRaises141AndClientGoesOn) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("RETR"), "550 No such file.\r\n");
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("missing.zip"));
    EXPECT_EQ(run(ftp, ftpDownload), QStringLiteral("141: 550 No such file."));
    EXPECT_EQ(ftp.LastError(), 141);
    EXPECT_EQ(run(ftp, ftpMakeDirectory), QString());
    EXPECT_EQ(server.commands().last(), QStringLiteral("MKD missing.zip"));
}

TEST(TNetFTP, OtherActionDuringOneRaises143) {
    FakeFtpServer server;
    server.setDownload("data");
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("f"));
    QString nested;
    QObject::connect(&ftp, &TNetFTP::startTransfer, [&] {
        try {
            ftp.setAction(ftpDeleteFile);
        } catch (const ENetFTP& e) {
            nested = e.message();
        }
        try {
            ftp.setTransferMode(tmASCII);
        } catch (const ENetFTP& e) {
            nested += u'|' + e.message();
        }
    });
    EXPECT_EQ(run(ftp, ftpDownload), QString());
    EXPECT_EQ(ftp.Action(), ftpIdle);
    EXPECT_EQ(nested, QStringLiteral("143: Busy performing current action.|143: Busy performing "
                                     "current action."));
}

TEST(TNetFTP, UploadNeedsALocalFile) {
    TNetFTP ftp;
    EXPECT_EQ(run(ftp, ftpUpload), QStringLiteral("145: Please specify a local file for upload."));
    ftp.setLocalFile(QStringLiteral("/nonexistent/file.zip"));
    EXPECT_EQ(run(ftp, ftpUpload), QStringLiteral("145: Error reading from local file."));
}

TEST(TNetFTP, UncreatableDownloadFileFailsTheAction) {
    FakeFtpServer server;
    server.setDownload("data");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setLocalFile(QStringLiteral("/nonexistent/dir/out.bin"));
    ftp.setRemoteFile(QStringLiteral("f"));
    EXPECT_EQ(run(ftp, ftpDownload), QStringLiteral("144: Error opening local file."));
    ASSERT_EQ(log.errors.size(), 1);
    EXPECT_TRUE(log.errors.first().endsWith(QStringLiteral(" Error opening local file.")));
}

TEST(TNetFTP, DataConnectionDroppedMidUploadIsNotSuccess) {
    FakeFtpServer server;
    server.setDropUpload(true);
    TempWorkspace dir;
    {
        QFile big(dir.path(QStringLiteral("big.bin")));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(64LL * 1024 * 1024));
    }
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setLocalFile(dir.path(QStringLiteral("big.bin")));
    ftp.setRemoteFile(QStringLiteral("big.bin"));
    EXPECT_EQ(run(ftp, ftpUpload),
              QStringLiteral("146: Data connection closed before the whole file was sent."));
}

TEST(TNetFTP, RenameSendsRnfrThenRnto) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("old.txt"));
    ftp.setAltFile(QStringLiteral("new.txt"));
    EXPECT_EQ(run(ftp, ftpRenameFile), QString());
    EXPECT_EQ(server.commands().mid(2),
              (QStringList{QStringLiteral("RNFR old.txt"), QStringLiteral("RNTO new.txt")}));
}

TEST(TNetFTP, InternalActionsSendTypeAndCommand) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpTypeAscii), QString());
    EXPECT_EQ(run(ftp, ftpTypeBinary), QString());
    ftp.setCommand(QStringLiteral("SITE CHMOD 644 f"));
    EXPECT_EQ(run(ftp, ftpRawCommand), QString());
    EXPECT_EQ(server.commands().mid(2),
              (QStringList{QStringLiteral("TYPE A"), QStringLiteral("TYPE I"),
                           QStringLiteral("SITE CHMOD 644 f")}));
}

TEST(TNetFTP, TransferModeWhileConnectedSendsType) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    ftp.setTransferMode(tmASCII);
    EXPECT_EQ(server.commands().last(), QStringLiteral("TYPE A"));
    EXPECT_EQ(ftp.TransferMode(), tmASCII);
}

TEST(TNetFTP, CommandWithLineBreakIsRefused) {
    FakeFtpServer server;
    TNetFTP ftp;
    configure(ftp, server);
    ftp.setRemoteFile(QStringLiteral("x\r\nDELE important"));
    EXPECT_EQ(run(ftp, ftpDeleteFile), QStringLiteral("147: A command holds a line break."));
    EXPECT_FALSE(server.controlBytes().contains("DELE"));
}

TEST(TNetFTP, FailedQuitForcesDisconnection) {
    FakeFtpServer server;
    server.setReply(QStringLiteral("QUIT"), "500 No.\r\n");
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    EXPECT_EQ(run(ftp, ftpLogon), QString());
    EXPECT_EQ(run(ftp, ftpLogoff), QString());
    EXPECT_TRUE(log.trail.contains(QStringLiteral("2 Forcing disconnection from FTP server.")));
    EXPECT_EQ(log.trail.last(), QStringLiteral("2 Disconnected."));
    EXPECT_FALSE(ftp.isOpen());
}

TEST(TNetFTP, RefusedConnectReportsEventAndRaises) {
    quint16 port;
    {
        FakeFtpServer gone;
        port = gone.port();
    }
    TNetFTP ftp;
    FtpLog log(ftp);
    ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    ftp.setRemotePort(port);
    EXPECT_EQ(run(ftp, ftpLogon), QStringLiteral("10061: [10061] Connection refused."));
    EXPECT_EQ(log.errors,
              (QStringList{QStringLiteral("142 Failed to connect: [10061] Connection refused.")}));
}

TEST(TNetFTP, InvalidValuesAreRefused) {
    TNetFTP ftp;
    EXPECT_THROW(ftp.setAction(16), ShipkitError);
    try {
        ftp.setTransferMode(3);
        FAIL() << "accepted";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid Transfermode value"));
    }
}

TEST(TNetFTP, InterruptDuringUploadEndsWith301AndDropsConnection) {
    FakeFtpServer server;
    TempWorkspace dir;
    dir.write(QStringLiteral("f.bin"), patternBytes(8 * 1024 * 1024, 31));
    TNetFTP ftp;
    FtpLog log(ftp);
    configure(ftp, server);
    ftp.setLocalFile(dir.path(QStringLiteral("f.bin")));
    ftp.setRemoteFile(QStringLiteral("f.bin"));
    QObject::connect(&ftp, &TNetFTP::transfer, [&] { ftp.setAction(ftpIdle); });
    EXPECT_EQ(run(ftp, ftpUpload), QStringLiteral("301: Interrupted"));
    EXPECT_FALSE(ftp.isOpen());
    EXPECT_EQ(log.trail.last(), QStringLiteral("2 Disconnected."));
    // The next action starts afresh with a new logon.
    EXPECT_EQ(run(ftp, ftpDeleteFile), QString());
    EXPECT_EQ(server.commands().last(), QStringLiteral("DELE f.bin"));
}
