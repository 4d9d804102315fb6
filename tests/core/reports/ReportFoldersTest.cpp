#include "reports/ReportFolders.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class ReportFoldersTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ReportFolders folders{ws.path("reports/")};

    void run(const QString& app, const QString& stamp) {
        ws.write("reports/" + app + "/" + stamp + "/MainReport.htm", "main");
        ws.write("reports/" + app + "/" + stamp + "/LogReport.htm", "log");
    }
};

TEST_F(ReportFoldersTest, ListsPlainFoldersByName) {
    run("Zeta", "1998-03-07-09-05-02-07");
    run("alpha", "1998-03-07-09-05-02-07");
    run("alpha", "1998-03-06-10-00-00-00");
    ws.write("reports/loose.htm", "x");
    EXPECT_EQ(folders.applications(), (QStringList{"alpha", "Zeta"}));
    EXPECT_EQ(folders.runs("alpha"),
              (QStringList{"1998-03-06-10-00-00-00", "1998-03-07-09-05-02-07"}));
    EXPECT_TRUE(folders.runs("nobody").isEmpty());
    EXPECT_TRUE(folders.runs("..").isEmpty());
    EXPECT_TRUE(folders.runs("").isEmpty());
}

TEST_F(ReportFoldersTest, HiddenReadOnlyAndLinkedFoldersAreNotListed) {
    run("Tool", "1998-03-07-09-05-02-07");
    QDir().mkpath(ws.path("reports/.hidden"));
    QDir().mkpath(ws.path("reports/Locked"));
    QFile::setPermissions(ws.path("reports/Locked"),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther);
    QFile::link(ws.path("reports/Tool"), ws.path("reports/Linked"));
    EXPECT_EQ(folders.applications(), QStringList{"Tool"});
    QFile::setPermissions(ws.path("reports/Locked"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(ReportFoldersTest, DeleteRunRemovesItsFilesAndFolder) {
    run("Tool", "1998-03-07-09-05-02-07");
    run("Tool", "1998-03-08-09-05-02-07");
    ws.write("reports/Tool/1998-03-07-09-05-02-07/.hidden", "x");
    folders.deleteRun("Tool", "1998-03-07-09-05-02-07");
    EXPECT_FALSE(ws.exists("reports/Tool/1998-03-07-09-05-02-07"));
    EXPECT_EQ(folders.runs("Tool"), QStringList{"1998-03-08-09-05-02-07"});
}

TEST_F(ReportFoldersTest, ARunHoldingAFolderStays) {
    run("Tool", "1998-03-07-09-05-02-07");
    QDir().mkpath(ws.path("reports/Tool/1998-03-07-09-05-02-07/sub"));
    folders.deleteRun("Tool", "1998-03-07-09-05-02-07");
    EXPECT_FALSE(ws.exists("reports/Tool/1998-03-07-09-05-02-07/MainReport.htm"));
    EXPECT_EQ(folders.runs("Tool"), QStringList{"1998-03-07-09-05-02-07"});
}

TEST_F(ReportFoldersTest, DeletingThroughALinkNeverTouchesTheTarget) {
    ws.write("elsewhere/keep.txt", "keep");
    run("Tool", "1998-03-07-09-05-02-07");
    QFile::link(ws.path("elsewhere"), ws.path("reports/Tool/1998-03-07-09-05-02-07/link"));
    folders.deleteApplication("Tool");
    EXPECT_FALSE(ws.exists("reports/Tool"));
    EXPECT_EQ(ws.read("elsewhere/keep.txt"), "keep");
}

TEST_F(ReportFoldersTest, DeleteApplicationRemovesEveryRunAndTheFolder) {
    run("Tool", "1998-03-07-09-05-02-07");
    run("Tool", "1998-03-08-09-05-02-07");
    run("Other", "1998-03-08-09-05-02-07");
    folders.deleteApplication("Tool");
    EXPECT_EQ(folders.applications(), QStringList{"Other"});
}

TEST_F(ReportFoldersTest, APlainFileInAnApplicationFolderKeepsIt) {
    run("Tool", "1998-03-07-09-05-02-07");
    ws.write("reports/Tool/notes.txt", "mine");
    folders.deleteApplication("Tool");
    EXPECT_EQ(folders.applications(), QStringList{"Tool"});
    EXPECT_TRUE(folders.runs("Tool").isEmpty());
    EXPECT_EQ(ws.read("reports/Tool/notes.txt"), "mine");
}

TEST_F(ReportFoldersTest, NamesLeavingTheReportsFolderDeleteNothing) {
    ws.write("victim/file.txt", "x");
    ws.write("reports/Tool/r/file.txt", "x");
    folders.deleteApplication("../victim");
    folders.deleteRun("..", "victim");
    folders.deleteRun("Tool", "../../victim");
    EXPECT_TRUE(ws.exists("victim/file.txt"));
}

} // namespace
