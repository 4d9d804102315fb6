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
    EXPECT_EQ(r.err, "shipkit-cli: No company named \"a\" in this workspace.\n");
}

struct UsageCase {
    QStringList args;
    const char* says; // the one line before the hint
};

TEST_F(CliBasicsTest, UsageErrorsNameTheProblemOnOneLineAndExitTwo) {
    ws.write("companies/companies.dat", "A\r\n");
    const UsageCase cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"--frob", "companies"}, "unknown option --frob"},
        {{"--now", "yesterday", "companies"}, "--now needs a time such as 2026-12-08T09:30:00"},
        {{"companies", "extra"}, "unexpected argument extra"},
        {{"companies", "--all"}, "companies does not take --all"},
        {{"apps"}, "apps needs --company NAME"},
        {{"apps", "--company"}, "--company needs a value"},
        {{"apps", "--company", "A", "--company", "B"}, "--company is given twice"},
        {{"company", "show"}, "use: company show NAME"},
        {{"company", "list", "A"}, "use: company show NAME"},
        {{"engine", "show", "A", "B"}, "unexpected argument B"},
        {{"reports", "A", "B"}, "unexpected argument B"},
        {{"mass-change", "FROM"}, "use: mass-change [--dry-run] FROM TO"},
        {{"mass-change", "--dry", "FROM", "TO"}, "mass-change does not take --dry"},
        {{"expand", "--company", "A", "--app", "T", "--site", "S"},
         "expand needs one of --text T and --file F"},
        {{"submit", "--company", "A"}, "submit needs --company C --app A"},
        {{"update", "--url", "u", "--file", "f"}, "update takes --url or --file, not both"},
        {{"init", "now"}, "unexpected argument now"},
    };
    for (const UsageCase& c : cases) {
        const CliRun r = run(c.args);
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.toStdString(),
                  std::string("shipkit-cli: ") + c.says + "\nTry 'shipkit-cli --help'.\n");
    }
    EXPECT_EQ(CliRun::shipkitCli({"--workspace"}).exitCode, 2);
}

TEST_F(CliBasicsTest, DoubleDashLetsAWordStartWithDashes) {
    ws.write("sites/Sites.dat", "Alpha\r\n");
    ws.write("sites/Alpha.ini", "[SETTINGS]\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "--old\r\n");
    const CliRun r = run({"mass-change", "--dry-run", "--", "--old", "--new"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, ws.path("sites/Alpha HTTP_NEW.scp").toUtf8() + "\n");
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "--old\r\n");
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
    const QStringList commands[] = {
        {"companies"}, {"sites", "--company", "A", "--app", "T"}, {"mass-change", "a", "b"}};
    for (const QStringList& command : commands) {
        const CliRun r =
            CliRun::shipkitCli(QStringList{"--workspace", ws.path("missing")} + command);
        EXPECT_EQ(r.exitCode, 1) << command.first().toStdString();
        EXPECT_TRUE(r.err.startsWith("shipkit-cli: The workspace folder ")) << r.err.constData();
        EXPECT_TRUE(r.err.contains("does not exist")) << r.err.constData();
        EXPECT_FALSE(ws.exists("missing")) << command.first().toStdString();
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
