#include "ReportsFixture.h"

#include "base/ShipkitError.h"

#include <QFileInfo>

namespace {

using TReportsFrmRunTest = ReportsFixture;

QByteArray shippedImage(const QString& name) {
    QFile file(QStringLiteral(SHIPKIT_SOURCE_DIR "/resources/images/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(TReportsFrmRunTest, MissingImagesAreCopiedIntoTheWorkspace) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    const QByteArray banner = ws.read("images/sksr.jpg");
    ASSERT_FALSE(banner.isEmpty());
    EXPECT_EQ(banner, shippedImage("sksr.jpg"));
    EXPECT_EQ(ws.read("images/back.jpg"), shippedImage("back.jpg"));
    EXPECT_TRUE(QFileInfo(ws.path("images/back.jpg")).permission(QFile::WriteOwner));
}

TEST_F(TReportsFrmRunTest, ImagesAlreadyThereAreLeftAlone) {
    const Workspace paths = makeWorkspace(ws.dir());
    ws.write("images/sksr.jpg", "my own banner");
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    EXPECT_EQ(ws.read("images/sksr.jpg"), "my own banner");
    EXPECT_EQ(ws.read("images/back.jpg"), shippedImage("back.jpg"));
}

TEST_F(TReportsFrmRunTest, RunsInTheSameSecondWithOtherMillisecondsGetTheirOwnFolders) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.FinishRun();
    clock.set(at(9, 5, 2, 70));
    writer.StartRun();
    writer.FinishRun();
    EXPECT_EQ(QDir(ws.path("reports/Tool")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{"1998-03-07-09-05-02-07", "1998-03-07-09-05-02-70"}));
}

TEST_F(TReportsFrmRunTest, ASecondRunWithTheSameStampDoesNotOverwriteTheFirst) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    inputs.log = {"first"};
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.FinishRun();
    const QByteArray first = ws.read("reports/Tool/1998-03-07-09-05-02-07/LogReport.htm");
    inputs.log = {"second"};
    writer.StartRun();
    writer.FinishRun();
    EXPECT_EQ(writer.RunFolder(), ws.path("reports/Tool/1998-03-07-09-05-02-07-2"));
    EXPECT_EQ(ws.read("reports/Tool/1998-03-07-09-05-02-07/LogReport.htm"), first);
    EXPECT_TRUE(ws.read("reports/Tool/1998-03-07-09-05-02-07-2/LogReport.htm").contains("second"));
}

TEST_F(TReportsFrmRunTest, PageNeverEndedIsNotWrittenNorListed) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.CurrentSiteName = "Site";
    writer.BeginSitePage("HTTP");
    writer.AddLogLine("Connected");
    writer.FinishRun();
    writer.EndSitePage("HTTP", "Site"); // too late: the run is over
    EXPECT_TRUE(writer.FinalSubsList().isEmpty());
    EXPECT_FALSE(ws.exists("reports/Tool/1998-03-07-09-05-02-07/Site _HTTP.htm"));
    EXPECT_FALSE(ws.read("reports/Tool/1998-03-07-09-05-02-07/MainReport.htm").contains("_HTTP"));
}

TEST_F(TReportsFrmRunTest, OnlyHttpPagesCarryTheSiteResponse) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    inputs.response = {"THANKS-FROM-SITE"};
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    for (const QString method : {"FTP", "HTTP", "EMAIL"}) {
        writer.BeginSitePage(method);
        writer.EndSitePage(method, "Site");
    }
    const QString run = "reports/Tool/1998-03-07-09-05-02-07/";
    EXPECT_TRUE(ws.read(run + "Site _HTTP.htm").contains("THANKS-FROM-SITE"));
    EXPECT_FALSE(ws.read(run + "Site _FTP.htm").contains("THANKS-FROM-SITE"));
    EXPECT_FALSE(ws.read(run + "Site _EMAIL.htm").contains("THANKS-FROM-SITE"));
    ASSERT_EQ(writer.FinalSubsList().size(), 3);
    EXPECT_EQ(writer.FinalSubsList()[2].label, "Site EMAIL");
}

TEST_F(TReportsFrmRunTest, APageThatCannotBeWrittenRaisesCannotCreateFile) {
    const Workspace paths = Workspace::at(ws.dir()); // no reports/ folder at all
    QDir().mkpath(paths.ImagesDir);
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.BeginSitePage("FTP");
    const QString page = ws.path("reports/Tool/1998-03-07-09-05-02-07/Site _FTP.htm");
    try {
        writer.EndSitePage("FTP", "Site");
        ADD_FAILURE() << "no error raised";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Cannot create file " + page);
    }
    EXPECT_TRUE(writer.FinalSubsList().isEmpty());
    EXPECT_THROW(writer.FinishRun(), ShipkitError);
}

TEST_F(TReportsFrmRunTest, NamesThatWouldLeaveTheReportsFolderWriteNothing) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.BeginSitePage("HTTP");
    EXPECT_THROW(writer.EndSitePage("HTTP", "../../escape"), ShipkitError);
    EXPECT_FALSE(ws.exists("escape _HTTP.htm"));

    inputs.app = "..";
    writer.StartRun();
    EXPECT_THROW(writer.FinishRun(), ShipkitError);
    EXPECT_FALSE(ws.exists("1998-03-07-09-05-02-07"));
    EXPECT_EQ(QDir(ws.path("reports")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"Tool"});
}

TEST_F(TReportsFrmRunTest, LogLinesOutsideAPageBelongToNoPage) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.AddLogLine("STRAY-BEFORE");
    writer.BeginSitePage("FTP");
    writer.EndSitePage("FTP", "Site");
    writer.AddLogLine("STRAY-AFTER");
    writer.BeginSitePage("EMAIL");
    writer.EndSitePage("EMAIL", "Site");
    const QString run = "reports/Tool/1998-03-07-09-05-02-07/";
    EXPECT_FALSE(ws.read(run + "Site _FTP.htm").contains("STRAY"));
    EXPECT_FALSE(ws.read(run + "Site _EMAIL.htm").contains("STRAY"));
}

TEST_F(TReportsFrmRunTest, CountsAndLinksStayAfterFinishUntilTheNextStart) {
    const Workspace paths = makeWorkspace(ws.dir());
    inputs.app = "Tool";
    TReportsFrm writer(paths, clock, inputs, us());
    writer.StartRun();
    writer.BeginSitePage("FTP");
    writer.EndSitePage("FTP", "Site");
    writer.SuccessCount = 4;
    writer.FailCount = 2;
    writer.FinishRun();
    EXPECT_EQ(writer.SuccessCount, 4);
    EXPECT_EQ(writer.FinalSubsList().size(), 1);
    const QByteArray main = fileBytes(writer.MainReportPath());
    EXPECT_TRUE(main.contains("<small># of Successful Submissions</small></font></td>\r\n"
                              "    <td width=\"243\"><small><font face=\"Arial\">4</font>"));
    EXPECT_TRUE(main.contains("<small># of Failed Submissions</small></font></td>\r\n"
                              "    <td width=\"243\"><small><font face=\"Arial\">2</font>"));
    clock.set(at(10, 0, 0));
    writer.StartRun();
    EXPECT_EQ(writer.SuccessCount, 0);
    EXPECT_EQ(writer.FailCount, 0);
    EXPECT_TRUE(writer.FinalSubsList().isEmpty());
}

} // namespace
