// The FTP step's parts that need no server: the upload plan, the server address, the trail's
// lines and the transcript's limit.
#include "engines/SiteEngine.h"
#include "net/TNetFTP.h"
#include "records/ApplicationRecord.h"
#include "submit/FtpServerAddress.h"
#include "submit/FtpTrail.h"
#include "submit/FtpTranscript.h"
#include "submit/FtpUploadPlan.h"
#include "support/RecordingRunView.h"

#include <gtest/gtest.h>

namespace {

using Branch = FtpUploadPlan::Branch;
using Added = SiteEngine::AddedText;

struct PlanCase {
    const char* title;
    QString path, published, short8;
    bool useZip, use8x3;
    Added added;
    Branch branch;
    QString sentName, sendPath;
    bool includeText;
    QString problem;
};

TEST(FtpUploadPlan, ChoosesTheBranchAndTheNames) {
    const QString files = "/ws/files/";
    const PlanCase cases[] = {
        {"plain", "/a/MyApp.exe", "MyApp.exe", "MYAPP", false, false, Added::AddToUpload,
         Branch::AsItIs, "MyApp.exe", "/a/MyApp.exe", false, ""},
        {"published name differs", "/a/setup.exe", "MyApp-1.2.exe", "MYAPP", false, false,
         Added::IncludeInZip, Branch::AsItIs, "MyApp-1.2.exe", "/a/setup.exe", false, ""},
        {"8+3 takes the published extension", "/a/setup.exe", "MyApp.msi", "MYAPP", false, true,
         Added::AddToUpload, Branch::AsItIs, "MYAPP.msi", "/a/setup.exe", false, ""},
        {"no published name: the file's", "/a/MyApp.exe", "", "MYAPP", false, false,
         Added::AddToUpload, Branch::AsItIs, "MyApp.exe", "/a/MyApp.exe", false, ""},
        {"packed under the file's name", "/a/MyApp.tar.gz", "x", "MYAPP", true, false,
         Added::IncludeInZip, Branch::Pack, "MyApp.tar.zip", files + "MyApp.tar.zip", true, ""},
        {"packed under the 8+3 name", "/a/MyApp.exe", "x", "MYAPP", true, true, Added::Both,
         Branch::Pack, "MYAPP.zip", files + "MYAPP.zip", false, ""},
        {"a zip is copied under its name", "/a/Big.Zip", "x", "MYAPP", false, true,
         Added::AddToUpload, Branch::CopyZip, "Big.Zip", files + "Big.Zip", false, ""},
        {"a zip with USE_ZIP_FILE too", "/a/Big.zip", "x", "MYAPP", true, false,
         Added::IncludeInZip, Branch::CopyZip, "Big.zip", files + "Big.zip", true, ""},
        {"bad 8+3 name", "/a/MyApp.exe", "x", "MY\\APP", true, true, Added::AddToUpload,
         Branch::Pack, "", "", false,
         "Invalid file name: \"MY\\APP\". A name cannot contain the character \"\\\". Please "
         "choose another name."},
        {"bad published name", "/a/MyApp.exe", "sub/MyApp.exe", "MYAPP", false, false,
         Added::AddToUpload, Branch::AsItIs, "sub/MyApp.exe", "/a/MyApp.exe", false,
         "Invalid file name: \"sub/MyApp.exe\". A name cannot contain the character \"/\". "
         "Please choose another name."},
    };
    for (const PlanCase& c : cases) {
        SCOPED_TRACE(c.title);
        SiteEngine engine;
        engine.setFlag("USE_ZIP_FILE", c.useZip);
        engine.setFlag("USE_8X3_FILENAME", c.use8x3);
        engine.setAddedText(c.added);
        ApplicationRecord app;
        app.setValue("PATH", c.path);
        app.setValue("FILENAME", c.published);
        app.setValue("8CHAR", c.short8);
        const FtpUploadPlan plan = FtpUploadPlan::make(engine, app, files);
        EXPECT_EQ(plan.branch, c.branch);
        EXPECT_EQ(plan.source, c.path);
        EXPECT_EQ(plan.sentName, c.sentName);
        EXPECT_EQ(plan.sendPath, c.sendPath);
        EXPECT_EQ(plan.includeText, c.includeText);
        EXPECT_EQ(plan.problem, c.problem);
    }
}

TEST(FtpServerAddress, ReadsHostAndOptionalPort) {
    struct AddressCase {
        QString text, host;
        quint16 port;
        bool refused;
    };
    const AddressCase cases[] = {
        {"ftp.example.com", "ftp.example.com", 21, false},
        {"127.0.0.1:2121", "127.0.0.1", 2121, false},
        {"ftp.example.com:21", "ftp.example.com", 21, false},
        {"host:65535", "host", 65535, false},
        {"host:", "host", 21, true},
        {"host:0", "host", 21, true},
        {"host:65536", "host", 21, true},
        {"host:21x", "host", 21, true},
        {"host:-21", "host", 21, true},
        {"host:1:2", "host", 21, true},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const FtpServerAddress a = FtpServerAddress::parse(c.text);
        EXPECT_EQ(a.host, c.host);
        EXPECT_EQ(a.port, c.port);
        EXPECT_EQ(!a.problem.isEmpty(), c.refused);
        if (c.refused) {
            EXPECT_TRUE(a.problem.startsWith("Invalid FTP server \"" + c.text + "\""));
        }
    }
}

TEST(FtpTrail, PrefixesEachLineAndMasksThePassword) {
    struct TrailCase {
        int direction;
        QString message, line;
    };
    const TrailCase cases[] = {
        {TNetFTP::CommandSent, "USER shipper", "CLIENT: USER shipper"},
        {TNetFTP::CommandSent, "PASS secret", "CLIENT: PASS ********"},
        {TNetFTP::CommandSent, "PASS a b", "CLIENT: PASS ********"},
        {TNetFTP::CommandSent, "PASS", "CLIENT: PASS"},
        {TNetFTP::CommandSent, "PASSIVE", "CLIENT: PASSIVE"},
        {TNetFTP::ReplyReceived, "PASS secret", "SERVER: PASS secret"},
        {TNetFTP::ReplyReceived, "230 Logged in.", "SERVER: 230 Logged in."},
        {TNetFTP::StatusNote, "Connected.", "INFO: Connected."},
    };
    for (const TrailCase& c : cases)
        EXPECT_EQ(FtpTrail::line(c.direction, c.message), c.line);
}

TEST(FtpTranscript, StopsGrowingAtItsLimitAndSaysSo) {
    RecordingRunView view;
    FtpTranscript transcript(view);
    for (int i = 0; i < FtpTranscript::MaxLines + 5; ++i)
        transcript.add(QString::number(i));
    ASSERT_EQ(transcript.lines().size(), FtpTranscript::MaxLines + 1);
    EXPECT_EQ(transcript.lines().at(FtpTranscript::MaxLines - 1),
              QString::number(FtpTranscript::MaxLines - 1));
    EXPECT_EQ(transcript.lines().last(), "INFO: Transcript cut off after 2000 lines.");
    EXPECT_EQ(view.ftpLog, transcript.lines());
    transcript.clear();
    EXPECT_TRUE(transcript.lines().isEmpty());
    EXPECT_TRUE(view.ftpLog.isEmpty());
    transcript.add("again");
    EXPECT_EQ(view.ftpLog, QStringList{"again"});
}

} // namespace
