// The FTP step against scripted servers on loopback: the exact commands of every branch, the
// files made in files/, the transcript and run log, retries, refusals, time-outs and Skip.
#include "submit/FtpUploader.h"
#include "net/TZipArchiver.h"
#include "support/FakeFtpServer.h"
#include "support/FakeTcpServer.h"
#include "support/FtpStepFixture.h"
#include "support/NetGuard.h"

#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Added = SiteEngine::AddedText;

const QString Script = QStringLiteral("Line one\r\n%APPNAME% %APPVERSION%");
const QByteArray ScriptFile = "Line one\r\nMyApp 1.2\r\n";
const QByteArray Program = QByteArray("MZ program bytes ").repeated(5000);

// The commands the server received, with the PORT numbers masked.
QStringList wire(const FakeFtpServer& server) {
    QStringList commands;
    for (const QString& c : server.commands())
        commands << (c.startsWith(QStringLiteral("PORT ")) ? QStringLiteral("PORT *") : c);
    return commands;
}

// Lists compared as text, so a failure shows readable lines.
std::string text(const QStringList& lines) {
    return lines.join(u'\n').toStdString();
}

// The data connection and the control connection report in the order the system delivers
// them: a transfer's begin may come before or after the 150 reply, its end before or after 226.
QStringList settled(QStringList lines) {
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const bool beginFirst =
            lines[i] == "TRANSFER BEGIN." && lines[i + 1].startsWith("SERVER: 150");
        const bool replyFirst =
            lines[i].startsWith("SERVER: 226") && lines[i + 1] == "TRANSFER END.";
        if (beginFirst || replyFirst)
            lines.swapItemsAt(i, i + 1);
    }
    return lines;
}

QStringList store(const QString& type, const QString& name) {
    return {"TYPE " + type, "PORT *", "STOR " + name};
}

QStringList zipEntries(const QString& path) {
    TZipArchiver zip;
    zip.setZipFilename(path);
    return zip.Entries();
}

// A zip holding one file, made with the program's own zip component.
QByteArray zipHolding(const TempWorkspace& ws, const QString& name, const QByteArray& bytes) {
    ws.write("make/" + name, bytes);
    TZipArchiver zip;
    zip.setZipFilename(ws.path("make/made.zip"));
    zip.setFSpecArgs({ws.path("make/" + name)});
    zip.Add();
    return ws.read("make/made.zip");
}

class FtpUploaderTest : public ::testing::Test, protected FtpStepFixture {
protected:
    FakeFtpServer ftp;

    void SetUp() override { server(ftp.port()); }

    bool step(int retries = 0, int timeOutSeconds = 60) {
        NetGuard guard([this] { uploader().Abort(); });
        const bool ok = runStep(retries, timeOutSeconds);
        EXPECT_FALSE(guard.fired()) << "the step hung";
        return ok;
    }
};

struct BranchCase {
    const char* title;
    const char* file;
    bool useZip;
    bool use8x3;
    Added added;
    bool script;
    QStringList commands; // between the logon and the QUIT
    QStringList runLog;
    QString zipSent;     // the zip in files/ that went out, if one did
    QStringList entries; // what that zip holds
};

TEST_F(FtpUploaderTest, EachBranchSendsItsCommandsAndFiles) {
    const BranchCase cases[] = {
        {"the file as it is",
         "MyApp.exe",
         false,
         false,
         Added::AddToUpload,
         false,
         store("I", "incoming/MyApp.exe"),
         {"Uploaded incoming/MyApp.exe to Site One"},
         "",
         {}},
        {"the 8+3 name",
         "MyApp.exe",
         false,
         true,
         Added::AddToUpload,
         false,
         store("I", "incoming/MYAPP.exe"),
         {"Uploaded incoming/MYAPP.exe to Site One"},
         "",
         {}},
        {"the added text in ASCII after the file",
         "MyApp.exe",
         false,
         false,
         Added::AddToUpload,
         true,
         store("I", "incoming/MyApp.exe") + store("A", "incoming/MYAPP.txt"),
         {"Uploaded incoming/MyApp.exe to Site One", "Uploaded MYAPP.txt to Site One"},
         "",
         {}},
        {"include in zip without a zip sends the text apart",
         "MyApp.exe",
         false,
         false,
         Added::IncludeInZip,
         true,
         store("I", "incoming/MyApp.exe") + store("A", "incoming/MYAPP.txt"),
         {"Uploaded incoming/MyApp.exe to Site One", "Uploaded MYAPP.txt to Site One"},
         "",
         {}},
        {"packed under the 8+3 name, text apart",
         "MyApp.exe",
         true,
         true,
         Added::AddToUpload,
         true,
         store("I", "incoming/MYAPP.zip") + store("A", "incoming/MYAPP.txt"),
         {"Uploaded MYAPP.zip to Site One", "Uploaded MYAPP.txt to Site One"},
         "MYAPP.zip",
         {"MyApp.exe"}},
        {"packed with the text inside",
         "MyApp.exe",
         true,
         false,
         Added::IncludeInZip,
         true,
         store("I", "incoming/MyApp.zip"),
         {"Uploaded MyApp.zip to Site One"},
         "MyApp.zip",
         {"MyApp.exe", "MYAPP.txt"}},
        {"both: packed, text apart",
         "MyApp.exe",
         true,
         false,
         Added::Both,
         true,
         store("I", "incoming/MyApp.zip") + store("A", "incoming/MYAPP.txt"),
         {"Uploaded MyApp.zip to Site One", "Uploaded MYAPP.txt to Site One"},
         "MyApp.zip",
         {"MyApp.exe"}},
        {"a zip is copied and keeps its own name",
         "MyApp.zip",
         false,
         true,
         Added::AddToUpload,
         false,
         store("I", "incoming/MyApp.zip"),
         {"Uploaded MyApp.zip to Site One"},
         "MyApp.zip",
         {"inner.txt"}},
        {"a copied zip takes the text inside",
         "MyApp.ZIP",
         false,
         false,
         Added::IncludeInZip,
         true,
         store("I", "incoming/MyApp.ZIP"),
         {"Uploaded MyApp.ZIP to Site One"},
         "MyApp.ZIP",
         {"inner.txt", "MYAPP.txt"}},
    };
    for (const BranchCase& c : cases) {
        SCOPED_TRACE(c.title);
        FakeFtpServer server;
        FtpStepFixture f;
        f.server(server.port());
        const QString file = QString::fromLatin1(c.file);
        const bool isZip = file.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
        const QByteArray source = isZip ? zipHolding(f.ws, "inner.txt", "inside\r\n") : Program;
        f.appFile(file, source);
        f.engine.setFlag("USE_ZIP_FILE", c.useZip);
        f.engine.setFlag("USE_8X3_FILENAME", c.use8x3);
        f.engine.setAddedText(c.added);
        if (c.script)
            f.addedText(Script, "%8PLUS3%.txt");
        NetGuard guard([&] { f.uploader().Abort(); });
        EXPECT_TRUE(f.runStep());

        EXPECT_EQ(wire(server),
                  QStringList({"USER shipper", "PASS secret"}) + c.commands + QStringList{"QUIT"});
        EXPECT_EQ(f.view.runLog, c.runLog);
        const QByteArray sent = c.zipSent.isEmpty() ? source : f.ws.read("files/" + c.zipSent);
        const bool textApart = c.commands.contains("STOR incoming/MYAPP.txt");
        EXPECT_EQ(server.uploaded(), sent + (textApart ? ScriptFile : QByteArray()));
        if (!c.zipSent.isEmpty()) {
            EXPECT_EQ(zipEntries(f.paths.FilesDir + c.zipSent), c.entries);
        }
        EXPECT_EQ(f.ws.read("files/MYAPP.txt"), c.script ? ScriptFile : QByteArray());
        EXPECT_FALSE(f.ws.exists("files/FTP_Parse_Temp.tmp"));
        EXPECT_EQ(f.ws.read("local/" + file), source) << "the application's file is untouched";
    }
}

TEST_F(FtpUploaderTest, TranscriptShowsTheWholeExchangeWithThePasswordMasked) {
    appFile("MyApp.exe", Program);
    addedText(Script, "readme.txt");
    ASSERT_TRUE(step());
    const QStringList transfer = {"TRANSFER BEGIN.", "TRANSFER END.",
                                  "SERVER: 226 Transfer complete."};
    EXPECT_EQ(
        text(settled(transcript())),
        text(QStringList({"INFO: Connecting to FTP server.", "INFO: Connected.",
                          "SERVER: 220 Fake FTP ready.", "CLIENT: USER shipper",
                          "SERVER: 331 Password required.", "CLIENT: PASS ********",
                          "SERVER: 230 Logged in.", "Sending File -> incoming/MyApp.exe",
                          "CLIENT: TYPE I", "SERVER: 250 OK.", "CLIENT: PORT *",
                          "SERVER: 200 PORT command successful.", "CLIENT: STOR incoming/MyApp.exe",
                          "SERVER: 150 Opening data connection."}) +
             transfer +
             QStringList(
                 {"Sending File -> incoming/readme.txt", "CLIENT: TYPE A", "SERVER: 250 OK.",
                  "CLIENT: PORT *", "SERVER: 200 PORT command successful.",
                  "CLIENT: STOR incoming/readme.txt", "SERVER: 150 Opening data connection."}) +
             transfer +
             QStringList({"CLIENT: QUIT", "SERVER: 221 Goodbye.", "INFO: Disconnected."})));
    EXPECT_EQ(uploader().transcript(), view.ftpLog) << "kept for the report as shown";
    EXPECT_EQ(view.ftpLogClears, 1);
    const QStringList ftpStatus = view.statuses(RunView::Method::Ftp);
    EXPECT_EQ(ftpStatus.first(), "logging on to Site One");
    EXPECT_TRUE(ftpStatus.contains("Starting Transfer"));
    EXPECT_TRUE(ftpStatus.contains("Bytes Transfered: " + QString::number(Program.size())));
    for (const QStringList* lines : {&view.ftpLog, &view.runLog, &view.shown})
        EXPECT_FALSE(lines->join('\n').contains("secret"));
    EXPECT_TRUE(ftp.commands().contains("PASS secret")) << "the wire is unchanged";
}

TEST_F(FtpUploaderTest, LoginFieldsAndRemotePathAreExpandedOrUsedAsTheyStand) {
    appFile("MyApp.exe", Program);
    engine.set("LOGIN_NAME", "%8PLUS3%");
    engine.set("LOGIN_PASSWORD", "%NOSUCH%");
    engine.set("REMOTE_PATH", "\\%SITENAME%/");
    ASSERT_TRUE(step());
    EXPECT_EQ(wire(ftp), QStringList({"USER MYAPP", "PASS %NOSUCH%"}) +
                             store("I", "Site One/MyApp.exe") + QStringList{"QUIT"});
    EXPECT_TRUE(transcript().contains("CLIENT: PASS ********"));
}

TEST_F(FtpUploaderTest, RemotePathLosesOneLeadingBackslashOnly) {
    appFile("MyApp.exe", Program);
    engine.set("REMOTE_PATH", "\\\\up\\");
    ASSERT_TRUE(step());
    EXPECT_EQ(wire(ftp).at(4), "STOR \\up\\MyApp.exe");
}

TEST_F(FtpUploaderTest, EmptyPublishedNameFallsBackToTheFilesName) {
    appFile("MyApp.exe", Program);
    app.setValue("FILENAME", "");
    ASSERT_TRUE(step());
    EXPECT_EQ(wire(ftp).at(4), "STOR incoming/MyApp.exe");
}

TEST_F(FtpUploaderTest, RefusedStoreIsRetriedWithAFreshLogonEachTime) {
    ftp.setReply("STOR", "550 Permission denied.\r\n");
    appFile("MyApp.exe", Program);
    addedText(Script, "readme.txt");
    EXPECT_FALSE(step(2));
    const QStringList attempt = QStringList({"USER shipper", "PASS secret"}) +
                                store("I", "incoming/MyApp.exe") + QStringList{"QUIT"};
    EXPECT_EQ(wire(ftp), attempt + attempt + attempt);
    const QString error = "Site One -> FTP error: 141: 550 Permission denied.";
    EXPECT_EQ(view.runLog, QStringList({error, error, error}));
    EXPECT_EQ(transcript().filter("ERROR SENDING FILE -> incoming/MyApp.exe").size(), 3);
    EXPECT_EQ(transcript().filter("EXCEPTION: 141: 550 Permission denied.").size(), 3);
    EXPECT_TRUE(uploader().FtpError());
    EXPECT_EQ(uploader().FtpErrorText(), "141: 550 Permission denied.");
}

TEST_F(FtpUploaderTest, FailedTextUploadFailsTheAttemptAndTheRetrySendsBothAgain) {
    ftp.setLineReply("TYPE A", "504 Type not implemented.\r\n");
    appFile("MyApp.exe", Program);
    addedText(Script, "readme.txt");
    EXPECT_FALSE(step(1));
    const QStringList attempt = QStringList({"USER shipper", "PASS secret"}) +
                                store("I", "incoming/MyApp.exe") + QStringList({"TYPE A", "QUIT"});
    EXPECT_EQ(wire(ftp), attempt + attempt);
    EXPECT_EQ(ftp.uploaded(), Program + Program);
    const QStringList attemptLog = {"Uploaded incoming/MyApp.exe to Site One",
                                    "Site One -> FTP error: 141: 504 Type not implemented."};
    EXPECT_EQ(view.runLog, attemptLog + attemptLog);
    EXPECT_EQ(transcript().filter("ERROR SENDING FILE -> incoming/readme.txt").size(), 2);
}

TEST_F(FtpUploaderTest, RefusedPasswordFailsEveryLogonAndLogsNothingToTheRunLog) {
    ftp.setReply("PASS", "530 Login incorrect.\r\n");
    appFile("MyApp.exe", Program);
    EXPECT_FALSE(step(3));
    const QStringList logon = {"USER shipper", "PASS secret"};
    EXPECT_EQ(wire(ftp), logon + logon + logon + logon);
    EXPECT_EQ(transcript().filter("EXCEPTION: 141: 530 Login incorrect.").size(), 4);
    EXPECT_TRUE(view.runLog.isEmpty());
    EXPECT_EQ(uploader().FtpErrorText(), "141: 530 Login incorrect.");
}

TEST_F(FtpUploaderTest, ServerSilentAfterTheGreetingEndsAtTheTimeOut) {
    ftp.setReply("USER", QByteArray());
    appFile("MyApp.exe", Program);
    EXPECT_FALSE(step(0, 5));
    EXPECT_EQ(wire(ftp), QStringList{"USER shipper"});
    const QStringList lines = transcript();
    const qsizetype at = lines.indexOf("TIME OUT: nothing from the server for 5 seconds.");
    ASSERT_GE(at, 0) << text(lines);
    EXPECT_EQ(lines.mid(at + 1).filter("EXCEPTION").join(""), "EXCEPTION: 301: Interrupted")
        << text(lines);
    EXPECT_EQ(uploader().FtpErrorText(), "301: Interrupted");
}

TEST_F(FtpUploaderTest, EndlessReplyDrippedByteByByteStillEndsAtTheTimeOut) {
    FakeTcpServer dripper;
    QTimer drip;
    QByteArray pending;
    QTcpSocket* peer = nullptr;
    dripper.setOnConnect([&](QTcpSocket* socket) {
        peer = socket;
        socket->write("220 Slow server.\r\n");
    });
    dripper.setOnData([&](QTcpSocket* socket, const QByteArray& all) {
        if (all.endsWith("USER shipper\r\n"))
            socket->write("331 Password required.\r\n");
        else if (all.endsWith("PASS secret\r\n"))
            drip.start(50);
    });
    QObject::connect(&drip, &QTimer::timeout, [&] {
        if (pending.isEmpty())
            pending = "230-Still checking.\r\n";
        if (peer)
            peer->write(pending.left(1));
        pending.remove(0, 1);
    });
    server(dripper.port());
    appFile("MyApp.exe", Program);
    EXPECT_FALSE(step(0, 5));
    const QStringList lines = transcript();
    EXPECT_GE(lines.filter("SERVER: 230-Still checking").size(), 2) << text(lines);
    EXPECT_TRUE(lines.contains("TIME OUT: nothing from the server for 5 seconds."));
    EXPECT_EQ(uploader().FtpErrorText(), "301: Interrupted");
}

TEST_F(FtpUploaderTest, SkipAndCancelDuringATransferStopTheStep) {
    struct StopCase {
        const char* title;
        bool skip;
        QStringList commands;
    };
    const QStringList upTo =
        QStringList({"USER shipper", "PASS secret"}) + store("I", "incoming/MyApp.exe");
    const StopCase cases[] = {{"Skip aborts, then goes idle", true, upTo + QStringList{"ABOR"}},
                              {"Cancel goes idle", false, upTo}};
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.title);
        FakeFtpServer server;
        FtpStepFixture f;
        f.server(server.port());
        f.appFile("MyApp.exe", QByteArray(64 << 20, 'x'));
        f.view.onFtpLine = [&](const QString& line) {
            if (line != "TRANSFER BEGIN.")
                return;
            if (c.skip)
                f.uploader().Skip();
            else
                f.uploader().Abort();
        };
        NetGuard guard([&] { f.uploader().Abort(); });
        EXPECT_FALSE(f.runStep(3));
        EXPECT_FALSE(guard.fired());
        EXPECT_EQ(wire(server), c.commands) << "no further attempt";
        EXPECT_EQ(f.view.runLog.size(), 1);
        EXPECT_TRUE(f.view.runLog.value(0).startsWith("Site One -> FTP error: "));
    }
}

TEST_F(FtpUploaderTest, NamesThatBreakTheNameRuleFailTheAttemptAndTouchNothing) {
    struct NameCase {
        const char* title;
        QString textName, short8, published;
        bool use8x3, useZip;
        QString problem;
    };
    const QString slash = "A name cannot contain the character \"/\". Please choose another name.";
    const NameCase cases[] = {
        {"added text name", "../evil.txt", "MYAPP", "MyApp.exe", false, false,
         "Invalid file name: \"../evil.txt\". " + slash},
        {"8-character name of a zip", "readme.txt", "../EVIL", "MyApp.exe", true, true,
         "Invalid file name: \"../EVIL\". " + slash},
        {"8-character name as it is", "readme.txt", "", "MyApp.exe", true, false,
         "Invalid file name: \"\". A name cannot be empty. Please choose another name."},
        {"published name", "readme.txt", "MYAPP", "..", false, false,
         "Invalid file name: \"..\". \"..\" cannot be used as a name. Please choose another."},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.title);
        FakeFtpServer server;
        FtpStepFixture f;
        f.server(server.port());
        f.appFile("MyApp.exe", Program);
        f.app.setValue("8CHAR", c.short8);
        f.app.setValue("FILENAME", c.published);
        f.engine.setFlag("USE_8X3_FILENAME", c.use8x3);
        f.engine.setFlag("USE_ZIP_FILE", c.useZip);
        f.addedText(Script, c.textName);
        NetGuard guard([&] { f.uploader().Abort(); });
        EXPECT_FALSE(f.runStep(1));
        const QStringList attempt = {"USER shipper", "PASS secret", "QUIT"};
        EXPECT_EQ(wire(server), attempt + attempt);
        EXPECT_EQ(f.view.runLog,
                  QStringList({"Site One -> " + c.problem, "Site One -> " + c.problem}));
        EXPECT_EQ(f.transcript().filter(c.problem).size(), 2);
        EXPECT_FALSE(f.ws.exists("evil.txt"));
        EXPECT_FALSE(f.ws.exists("EVIL.zip"));
        EXPECT_EQ(QDir(f.paths.FilesDir).entryList(QDir::Files | QDir::NoDotAndDotDot).size(),
                  c.textName.contains('/') ? 0 : 1)
            << "at most the added text was written";
    }
}

TEST_F(FtpUploaderTest, StaleWorkFilesNeverReachTheUpload) {
    // A zip and an added text left by an earlier run: the zip is made afresh, and the text is
    // not put in when this attempt made none.
    appFile("MyApp.exe", Program);
    engine.setFlag("USE_ZIP_FILE", true);
    engine.setAddedText(Added::IncludeInZip);
    engine.set("FTP_FILENAME", "readme.txt");
    ws.write("files/readme.txt", "old text\r\n");
    ws.write("old/stale.txt", "stale\r\n");
    TZipArchiver old;
    old.setZipFilename(paths.FilesDir + "MyApp.zip");
    old.setFSpecArgs({ws.path("old/stale.txt")});
    old.Add();
    ASSERT_TRUE(step());
    EXPECT_EQ(zipEntries(paths.FilesDir + "MyApp.zip"), QStringList{"MyApp.exe"});
    EXPECT_EQ(ftp.uploaded(), ws.read("files/MyApp.zip"));
}

TEST_F(FtpUploaderTest, RetriedZipHoldsOnlyTheLastAttemptsEntries) {
    ftp.setReply("STOR", "452 No room.\r\n");
    appFile("MyApp.exe", Program);
    engine.setFlag("USE_ZIP_FILE", true);
    engine.setAddedText(Added::IncludeInZip);
    // The text's name follows the clock, so each attempt's text has a name of its own.
    addedText(Script, "note%CURTIME_MIN%.txt");
    view.onFtpLine = [this](const QString& line) {
        if (line.startsWith("ERROR SENDING FILE"))
            clock.set(clock.now().addSecs(60));
    };
    EXPECT_FALSE(step(1));
    EXPECT_EQ(transcript().filter("Zipping File: " + paths.FilesDir + "MyApp.zip").size(), 2);
    EXPECT_EQ(transcript().filter("Adding To Zip File: " + paths.FilesDir + "note").size(), 2);
    EXPECT_EQ(zipEntries(paths.FilesDir + "MyApp.zip"), QStringList({"MyApp.exe", "note6.txt"}));
}

TEST_F(FtpUploaderTest, ZipAlreadyInFilesIsSentWithoutBeingDeleted) {
    const QByteArray zip = zipHolding(ws, "inner.txt", "inside\r\n");
    ws.write("files/MyApp.zip", zip);
    app.setValue("PATH", paths.FilesDir + "MyApp.zip");
    app.setValue("FILENAME", "MyApp.zip");
    ASSERT_TRUE(step());
    EXPECT_EQ(ftp.uploaded(), zip);
    EXPECT_EQ(ws.read("files/MyApp.zip"), zip);
    EXPECT_TRUE(transcript().contains("Prepairing Zip File: " + paths.FilesDir + "MyApp.zip"));
}

TEST_F(FtpUploaderTest, ZipThatCannotBeMadeFailsWithTheReason) {
    appFile("MyApp.exe", Program);
    engine.setFlag("USE_ZIP_FILE", true);
    QFile::remove(ws.path("local/MyApp.exe"));
    EXPECT_FALSE(step());
    EXPECT_EQ(wire(ftp), QStringList({"USER shipper", "PASS secret", "QUIT"}));
    const QStringList lines = transcript();
    const qsizetype at = lines.indexOf("Zipping File: " + paths.FilesDir + "MyApp.zip");
    ASSERT_GE(at, 0);
    EXPECT_TRUE(lines.value(at + 1).startsWith("EXCEPTION: ")) << text(lines);
}

TEST_F(FtpUploaderTest, ServerWithABadPortIsRefusedBeforeConnecting) {
    appFile("MyApp.exe", Program);
    server("127.0.0.1:99999");
    EXPECT_FALSE(step());
    const QString problem = "Invalid FTP server \"127.0.0.1:99999\": the port after \":\" must "
                            "be a number from 1 to 65535.";
    EXPECT_EQ(transcript(), QStringList{problem});
    EXPECT_EQ(view.runLog, QStringList{"Site One -> " + problem});
    EXPECT_TRUE(ftp.commands().isEmpty());
}

} // namespace
