#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

namespace {

class CliSitesTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    CliRun run(QStringList args) { return CliRun::inWorkspace(ws, args); }
    void SetUp() override {
        ws.write("sites/Sites.dat", "zulu\r\nAlpha\r\n");
        ws.write("sites/User_Sites.dat", "Mine\r\n");
        ws.write("sites/zulu.ini", "[SETTINGS]\r\nSITE_TYPE=1\r\nUSE_CAT1=1\r\nHIDDEN=x\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\nBYTE_FORMAT=9\r\nUSE_EMAIL=yes\r\n"
                                    "USE_HTTP_POST=2\r\nMUF_Beta=\r\n");
        ws.write("cat/zulu Cat1.cat", "G\">Games\r\nTools\r\n");
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nPLATFORM=Windows 95\r\nSTATUS=Shareware\r\n");
    }
};

TEST_F(CliSitesTest, EnginesSortedIgnoringCase) {
    const CliRun r = run({"engines"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Alpha\nMine\nzulu\n");
}

TEST_F(CliSitesTest, EngineShowPrintsNormalisedKeysThenCategories) {
    const CliRun r = run({"engine", "show", "zulu"});
    ASSERT_EQ(r.exitCode, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    ASSERT_EQ(lines.size(), 53);
    EXPECT_EQ(lines[0], "BYTE_FORMAT=1");
    EXPECT_EQ(lines[2], "USE_CAT1=1");
    EXPECT_EQ(lines[4], "SITE_TYPE=1");
    EXPECT_EQ(lines[49], "EMAIL_SUBJECT_UPDATE=");
    EXPECT_EQ(lines[50], "CAT1=G\">Games");
    EXPECT_EQ(lines[51], "CAT1=Tools");
    EXPECT_FALSE(r.out.contains("HIDDEN"));
    const CliRun a = run({"engine", "show", "Alpha"});
    EXPECT_TRUE(a.out.startsWith("BYTE_FORMAT=1\n"));
    EXPECT_TRUE(a.out.contains("\nUSE_HTTP_POST=1\n"));
    EXPECT_TRUE(a.out.contains("\nUSE_EMAIL=0\n"));
    EXPECT_TRUE(a.out.contains("\nMUF_Beta=\nMUF_NoInstallFeature=No Install Feature\n"));
    EXPECT_FALSE(a.out.contains("FTP_TLS") || a.out.contains("FTP_PASSIVE")) << "only when set";
    ws.write("sites/Alpha.ini", "[SETTINGS]\r\nFTP_PASSIVE=1\r\nFTP_TLS=1\r\n");
    const QList<QByteArray> set = run({"engine", "show", "Alpha"}).out.split('\n');
    ASSERT_EQ(set.size(), 53);
    EXPECT_EQ(set[49], "EMAIL_SUBJECT_UPDATE=");
    EXPECT_EQ(set[50], "FTP_TLS=1");
    EXPECT_EQ(set[51], "FTP_PASSIVE=1");
    EXPECT_EQ(run({"engine", "show", "Nope"}).exitCode, 1);
    EXPECT_EQ(run({"engine", "list"}).exitCode, 2);
}

TEST_F(CliSitesTest, SitesRebuildsAndRewritesTheList) {
    const CliRun r = run({"sites", "--company", "Acme", "--app", "Tool"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Alpha\tAll 16-32\tNew\tN/A\tN/A\tY\tN\tN\tN\tUnknown\tY\n"
                     "zulu\tFree 16-32\tNew\tNOT SET!\tN/A\tN\tN\tN\tN\tUnknown\tN\n");
    EXPECT_EQ(ws.read("data/Tool_SITES.dat"),
              QString::fromUtf8("Alpha±New±N/A±N/A±Unknown±Y\r\n"
                                "zulu±New±NOT SET!±N/A±Unknown±N\r\n")
                  .toUtf8());
    EXPECT_EQ(run({"sites", "--company", "Acme"}).exitCode, 2);
    EXPECT_EQ(run({"sites", "--company", "Acme", "--app", "Other"}).exitCode, 1);
}

} // namespace
