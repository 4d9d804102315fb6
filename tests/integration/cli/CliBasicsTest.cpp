#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class CliBasicsTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    CliRun run(QStringList args) { return CliRun::inWorkspace(ws, args); }
};

TEST_F(CliBasicsTest, CompaniesInSelectorOrder) {
    ws.write("companies/companies.dat", "delta\r\nAlpha\r\ncharlie\r\n");
    const CliRun r = run({"companies"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Alpha\ncharlie\ndelta\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliBasicsTest, AppsOfANamedCompanyInListOrder) {
    ws.write("companies/companies.dat", "A\r\nB\r\n");
    ws.write("data/A Apps.dat", "one\r\n");
    ws.write("data/B Apps.dat", "zulu\r\nalpha\r\n");
    EXPECT_EQ(run({"apps", "--company", "B"}).out, "zulu\nalpha\n");
    EXPECT_EQ(run({"apps", "--company", "A"}).out, "one\n");
}

TEST_F(CliBasicsTest, UnknownCompanyFailsWithExitOne) {
    ws.write("companies/companies.dat", "A\r\n");
    const CliRun r = run({"apps", "--company", "a"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.contains("No company named \"a\""));
}

TEST_F(CliBasicsTest, BadUsageExitsTwo) {
    EXPECT_EQ(run({"apps"}).exitCode, 2);
    EXPECT_EQ(run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(run({}).exitCode, 2);
    EXPECT_EQ(CliRun::shipkitCli({"--now", "yesterday", "companies"}).exitCode, 2);
    EXPECT_EQ(CliRun::shipkitCli({"--workspace"}).exitCode, 2);
}

TEST_F(CliBasicsTest, HelpAndVersion) {
    const CliRun help = CliRun::shipkitCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: shipkit-cli"));
    const CliRun version = CliRun::shipkitCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "shipkit-cli 2.04\n");
}

TEST_F(CliBasicsTest, InitMakesTheWorkspaceLikeStartUp) {
    const QString fresh = ws.path("fresh");
    EXPECT_EQ(CliRun::shipkitCli({"--workspace", fresh, "init"}).exitCode, 0);
    for (const char* folder :
         {"data", "companies", "cat", "sites", "sites/updates", "files", "reports", "images"})
        EXPECT_TRUE(QFileInfo(fresh + '/' + folder).isDir()) << folder;
}

TEST_F(CliBasicsTest, OnlyInitCreatesAMissingWorkspace) {
    for (const char* command : {"companies", "sites", "mass-change"}) {
        const CliRun r = CliRun::shipkitCli({"--workspace", ws.path("missing"), command});
        EXPECT_EQ(r.exitCode, 1) << command;
        EXPECT_TRUE(r.err.contains("does not exist")) << r.err.constData();
        EXPECT_FALSE(ws.exists("missing")) << command;
    }
}

TEST_F(CliBasicsTest, WorkspaceThatIsAFileIsRefused) {
    ws.write("afile", "x");
    const CliRun r = CliRun::shipkitCli({"--workspace", ws.path("afile"), "companies"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("is a file, not a folder"));
    EXPECT_FALSE(ws.exists("data"));
}

TEST_F(CliBasicsTest, UnwritableWorkspaceIsRefusedToWritersOnly) {
    QDir().mkdir(ws.path("locked"));
    QFile::setPermissions(ws.path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    if (QFileInfo(ws.path("locked")).isWritable())
        GTEST_SKIP() << "running with rights that ignore folder modes";
    const CliRun r = CliRun::shipkitCli({"--workspace", ws.path("locked"), "init"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("cannot be written"));
    EXPECT_EQ(CliRun::shipkitCli({"--workspace", ws.path("locked"), "companies"}).exitCode, 0);
    EXPECT_TRUE(QDir(ws.path("locked")).isEmpty());
}

TEST_F(CliBasicsTest, WorkspaceUnderAMissingParentIsRefused) {
    const CliRun r = CliRun::shipkitCli({"--workspace", ws.path("no/such"), "companies"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(ws.exists("no"));
}

TEST_F(CliBasicsTest, UnreadableCompanyListCannotInitialize) {
    QDir().mkpath(ws.path("companies/companies.dat"));
    const CliRun r = run({"companies"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Unable to initialize Shipkit!\nCannot open file " +
                         ws.path("companies/companies.dat").toUtf8() + ": Not a regular file\n");
}

} // namespace
