#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class CliShowTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    CliRun run(QStringList args) { return CliRun::inWorkspace(ws, args); }
    void SetUp() override {
        ws.write("companies/companies.dat", "Beta\r\nAcme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
        ws.write("companies/Beta.dat", "[company]\r\nconame=Beta\r\nCCITY= Oslo \r\nBHSID=9\r\n");
        ws.write("data/Beta Apps.dat", "Gadget\r\n");
        ws.write("data/Gadget.dat", "[APPINFO]\r\nNAME=Ignored\r\nDAY=4\r\nMONTH=7\r\nYEAR=05\r\n"
                                    "SPECREQ=Lots of RAM\r\n");
    }
};

TEST_F(CliShowTest, CompanyShowPrintsTheFourteenKeysInWriteOrder) {
    const CliRun r = run({"company", "show", "Beta"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "CONAME=Beta\nBHSID=9\nCONTACT=\nCTITLE=\nCEMAIL=\nCPHONE=\nCFAX=\nCADDR=\n"
                     "CCITY=Oslo\nCSTATE=\nCZIP=\nCCOUNTRY=\nCURL=\nCCMAIL=\n");
}

// Each listed company shows its own record; one without a record file shows empty fields, never
// those of the company loaded before it.
struct Shown {
    const char* company;
    QByteArray out;
};

void PrintTo(const Shown& s, std::ostream* os) {
    *os << s.company;
}

const Shown kShown[] = {
    {"Acme", "CONAME=Acme\nBHSID=7\nCONTACT=Ann\nCTITLE=\nCEMAIL=\nCPHONE=\nCFAX=\n"
             "CADDR=1 Main St\nCCITY=\nCSTATE=\nCZIP=\nCCOUNTRY=\nCURL=\nCCMAIL=\n"},
    {"Beta", "CONAME=Beta\nBHSID=9\nCONTACT=\nCTITLE=\nCEMAIL=\nCPHONE=\nCFAX=\nCADDR=\n"
             "CCITY=Oslo\nCSTATE=\nCZIP=\nCCOUNTRY=\nCURL=\nCCMAIL=\n"},
    {"Gamma", "CONAME=Gamma\nBHSID=\nCONTACT=\nCTITLE=\nCEMAIL=\nCPHONE=\nCFAX=\nCADDR=\n"
              "CCITY=\nCSTATE=\nCZIP=\nCCOUNTRY=\nCURL=\nCCMAIL=\n"},
};

class CliCompanyShowTest : public CliShowTest, public ::testing::WithParamInterface<Shown> {};

TEST_P(CliCompanyShowTest, ShowsItsOwnRecordOrEmptyFields) {
    ws.write("companies/companies.dat", "Beta\r\nAcme\r\nGamma\r\n");
    ws.write("companies/Acme.dat",
             "[COMPANY]\r\nCONAME=Acme\r\nBHSID=7\r\nCONTACT=Ann\r\nCADDR=1 Main St\r\n");
    const CliRun r = run({"company", "show", GetParam().company});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(EveryCompany, CliCompanyShowTest, ::testing::ValuesIn(kShown));

TEST_F(CliShowTest, AppShowPrintsKeysValuesAndTheLongDate) {
    const CliRun r = run({"app", "show", "Gadget", "--company", "Beta"});
    EXPECT_EQ(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 40); // 38 keys, LONGDATE, and the empty text after the last line end
    EXPECT_EQ(lines[0], "FILENAME=");
    EXPECT_EQ(lines[1], "NAME=Gadget");
    EXPECT_EQ(lines[4], "DAY=4");
    EXPECT_EQ(lines[37], "SPECREQ=Lots of RAM");
    EXPECT_EQ(lines[38], "LONGDATE=4-Jul-2005");
}

TEST_F(CliShowTest, AppOfAnotherCompanyIsNotFoundWithoutTheCompany) {
    const CliRun r = run({"app", "show", "Gadget"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("No application named \"Gadget\" for the company \"Acme\""));
}

TEST_F(CliShowTest, BadShowUsage) {
    EXPECT_EQ(run({"company"}).exitCode, 2);
    EXPECT_EQ(run({"company", "list", "Acme"}).exitCode, 2);
    EXPECT_EQ(run({"company", "show", "Nobody"}).exitCode, 1);
}

TEST(DemoWorkspace, ShippedDemoLoadsWithItsCompanyApplicationAndEngines) {
    TempWorkspace ws;
    ws.copyFrom(QStringLiteral(SHIPKIT_SOURCE_DIR) + "/demo");
    const CliRun companies = CliRun::shipkitCli({"--workspace", ws.dir(), "companies"});
    EXPECT_EQ(companies.exitCode, 0);
    EXPECT_EQ(companies.out, "Larkspur Lane Softworks\n");
    const CliRun apps = CliRun::shipkitCli(
        {"--workspace", ws.dir(), "apps", "--company", "Larkspur Lane Softworks"});
    EXPECT_EQ(apps.out, "Kitepad\n");
    const CliRun app = CliRun::shipkitCli({"--workspace", ws.dir(), "app", "show", "Kitepad"});
    EXPECT_TRUE(app.out.contains("\nSTATUS=Shareware\n"));
    EXPECT_TRUE(app.out.endsWith("LONGDATE=14-Mar-1998\n"));
}

} // namespace
