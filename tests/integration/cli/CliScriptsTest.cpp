#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

namespace {

class CliScriptsTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    CliRun run(QStringList args) {
        args.prepend("2026-03-07T21:05:00");
        args.prepend("--now");
        return CliRun::inWorkspace(ws, args);
    }
    void SetUp() override {
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
        ws.write("data/Acme Apps.dat", "Gadget\r\n");
        ws.write("data/Gadget.dat", "[APPINFO]\r\nVERSION=1.2\r\nSIZE32=1572864\r\n");
        ws.write("data/Gadget.lds", "Line one\r\nLine two\r\n");
        ws.write("sites/Sites.dat", "Alpha\r\nBeta\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\nBYTE_FORMAT=3\r\n");
        ws.write("sites/Beta.ini", "[SETTINGS]\r\nUSE_CAT1=1\r\n");
        ws.write("cat/Beta Cat1.cat", "b1\">First\r\nb2\">Second\r\n");
    }
    QByteArray path(const char* relative) { return ws.path(relative).toUtf8(); }
};

TEST_F(CliScriptsTest, ExpandPrintsTheTextWithoutALineEnd) {
    const CliRun r =
        run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha", "--text",
             "%APPNAME% %APPVERSION% %APPSIZE32% %SITENAME% %CONTNAME% "
             "%CURTIME_HRS%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "Gadget 1.2 1.5 Alpha Ann 21");
}

TEST_F(CliScriptsTest, ExpandFromAFileJoinsLinesWithCrLf) {
    ws.write("in.scp", "a=%APPNAME%\r\nd=%APPLONGDESC%\r\n");
    const CliRun r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha",
                          "--file", ws.path("in.scp")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "a=Gadget\r\nd=Line one\r\nLine two");
}

TEST_F(CliScriptsTest, FailedExpansionExitsThree) {
    const CliRun r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha",
                          "--text", "x %appname%"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Script Error! -> [appname]\n");
}

TEST_F(CliScriptsTest, CheckModeCategoryAndLiveUnknown) {
    CliRun r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Beta", "--check",
                    "--text", "c=%SITECAT1%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "c=b1");
    r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha", "--text",
             "c=%SITECAT1%"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "Script Error! -> [UNKNOWN]\n");
    r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha", "--check",
             "--text", "c=%SITECAT1%"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "Script Error! -> [%UNKNOWN%]\n");
}

TEST_F(CliScriptsTest, LiveCategoryComesFromTheSiteListRow) {
    ws.write("data/Gadget_SITES.dat",
             "Beta\xC2\xB1New\xC2\xB1Second\xC2\xB1N/A\xC2\xB1Unknown\xC2\xB1Y\r\n");
    const CliRun r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Beta",
                          "--text", "c=%SITECAT1%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "c=b2");
}

TEST_F(CliScriptsTest, UnchosenCategoryIsUsedAsItIsAfterTheMessage) {
    const CliRun r = run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Beta",
                          "--text", "c=%SITECAT1%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "c=NOT SET!");
    EXPECT_TRUE(r.err.contains("Could NotFind!")) << r.err.toStdString();
}

TEST_F(CliScriptsTest, ExpandUsage) {
    EXPECT_EQ(run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Alpha"}).exitCode,
              2);
    EXPECT_EQ(run({"expand", "--company", "Acme", "--app", "Gadget", "--text", "x"}).exitCode, 2);
    const CliRun r =
        run({"expand", "--company", "Acme", "--app", "Gadget", "--site", "Nope", "--text", "x"});
    EXPECT_EQ(r.exitCode, 1);
}

TEST_F(CliScriptsTest, CheckEnginesWithoutErrors) {
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%APPNAME%\r\n");
    const CliRun r = run({"check-engines"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "No Errors found! :)\n");
}

TEST_F(CliScriptsTest, CheckEnginesListsFailuresForTheShownSite) {
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%APPNAME%\r\n");
    ws.write("sites/Alpha EMAIL_NEW.scp", "c=%SITECAT1%\r\n");
    ws.write("sites/Beta FTP_NEW.scp", "%NOPE%\r\n");
    CliRun r = run({"check-engines"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Alpha\tError! -> [%UNKNOWN%]\t" + path("sites/Alpha EMAIL_NEW.scp") +
                         "\nBeta\tError! -> [NOPE]\t" + path("sites/Beta FTP_NEW.scp") + "\n");
    r = run({"check-engines", "--site", "Beta"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Beta\tError! -> [NOPE]\t" + path("sites/Beta FTP_NEW.scp") + "\n");
}

TEST_F(CliScriptsTest, MassChangeRewritesThenChecks) {
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%appname%&x=%appname%\r\n");
    ws.write("sites/Beta EMAIL_NEW.scp", "kept\n");
    const CliRun r = run({"mass-change", "%appname%", "%APPNAME%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "No Errors found! :)\n");
    EXPECT_EQ(r.err, "Mass Change Done!\n");
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "n=%APPNAME%&x=%APPNAME%\r\n");
    EXPECT_EQ(ws.read("sites/Beta EMAIL_NEW.scp"), "kept\n");
}

TEST_F(CliScriptsTest, MassChangeEndsWhenToHoldsFrom) {
    ws.write("sites/Alpha HTTP_NEW.scp", "APP and APP\r\n");
    const CliRun r = run({"mass-change", "APP", "%APPNAME%"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "%APPNAME% and %APPNAME%\r\n");
}

TEST_F(CliScriptsTest, MassChangeOfATextFoundNowhere) {
    ws.write("sites/Alpha HTTP_NEW.scp", "bad %X%\n");
    const CliRun r = run({"mass-change", "zzz", "%APPNAME%"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "Alpha\tError! -> [X]\t" + path("sites/Alpha HTTP_NEW.scp") + "\n");
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "bad %X%\n");
    EXPECT_EQ(run({"mass-change", "%APPNAME%", "%APPNAME%"}).exitCode, 2);
    EXPECT_EQ(run({"mass-change", "only-one"}).exitCode, 2);
}

} // namespace
