#include "scripts/ScriptChecker.h"
#include "base/Clock.h"
#include "engines/TEngBuild.h"
#include "scripts/DefaultScripts.h"
#include "scripts/ExpansionContext.h"
#include "scripts/MassChange.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class ScriptCheckerTest : public ::testing::Test, protected SessionFixture {
protected:
    ScriptCheckerTest() : SessionFixture(QDateTime(QDate(2026, 5, 1), QTime(10, 0))) {}

    TEngBuild& eng() { return *gwide.engBuild(); }
    void load(const QByteArray& sites) {
        ws.write("sites/Sites.dat", sites);
        ASSERT_TRUE(session.LoadWorkspace());
    }
    QString script(const char* site, const char* suffix) {
        return ws.path(QString("sites/%1 %2.scp").arg(site, suffix));
    }
    std::vector<EngineCheckEntry> check() {
        const ExpansionContext context = session.expansionContext();
        return ScriptChecker(eng(), context).checkEngines();
    }
};

TEST_F(ScriptCheckerTest, TestScriptShowsTheExpansionOrTheError) {
    load("");
    eng().current().name = "Shown";
    const ExpansionContext context = session.expansionContext();
    ScriptChecker checker(eng(), context);
    EXPECT_EQ(checker.testScript("site=%SITENAME%"), "site=Shown");
    EXPECT_EQ(checker.testScript("c=%SITECAT1%"), "Script Error! -> [%UNKNOWN%]");
    eng().current().cat1 = "v1\">Label one\r\nv2\">Label two";
    EXPECT_EQ(checker.testScript("c=%SITECAT1%"), "c=v1");
    EXPECT_EQ(checker.testScript("50% off"), "Script Error! -> []");
}

TEST_F(ScriptCheckerTest, EngineCheckListsFailingFilesInListAndScriptOrder) {
    load("Beta\r\nAlpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "name=%APPNAME%\r\n");
    ws.write("sites/Alpha EMAIL_UPDATE.scp", "%appname%\r\n");
    ws.write("sites/Alpha FTP_NEW.scp", "%NOPE%\r\n");
    ws.write("sites/Beta HTTP_UPDATE.scp", "cat=%SITECAT2%\r\n");
    eng().LoadSiteEngine("Alpha");
    const auto errors = check();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0].line(),
              QString("Alpha\u00B1Error! -> [NOPE]\u00B1") + script("Alpha", "FTP_NEW"));
    EXPECT_EQ(errors[1].site, "Alpha");
    EXPECT_EQ(errors[1].error, "Error! -> [appname]");
    EXPECT_EQ(errors[1].path, script("Alpha", "EMAIL_UPDATE"));
    EXPECT_EQ(errors[2].site, "Beta");
    EXPECT_EQ(errors[2].error, "Error! -> [%UNKNOWN%]");
}

TEST_F(ScriptCheckerTest, ContextIsTheSiteShownNotTheSiteChecked) {
    load("Alpha\r\nBeta\r\n");
    ws.write("cat/Beta Cat1.cat", "b\">Bee\r\n");
    ws.write("sites/Beta HTTP_NEW.scp", "%SITECAT1%\r\n");
    eng().LoadSiteEngine("Alpha");
    EXPECT_EQ(check().size(), 1u);
    eng().LoadSiteEngine("Beta");
    EXPECT_TRUE(check().empty());
}

TEST_F(ScriptCheckerTest, NoErrorsAndMissingFilesSkipped) {
    load("Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "%APPNAME%\r\n");
    EXPECT_TRUE(check().empty());
}

TEST_F(ScriptCheckerTest, ReplaceInGoesOnAfterTheInsertedText) {
    QString text = "a APP b APP";
    EXPECT_EQ(MassChange::replaceIn(text, "APP", "%APPNAME%"), 2);
    EXPECT_EQ(text, "a %APPNAME% b %APPNAME%");
    text = "50%";
    EXPECT_EQ(MassChange::replaceIn(text, "%", "%APPNAME%"), 1);
    EXPECT_EQ(text, "50%APPNAME%");
    text = "nothing";
    EXPECT_EQ(MassChange::replaceIn(text, "zz", "%APPNAME%"), 0);
    EXPECT_EQ(text, "nothing");
}

TEST_F(ScriptCheckerTest, ConfirmedOnlyForAChange) {
    EXPECT_FALSE(MassChange::confirmed("", "%APPNAME%"));
    EXPECT_FALSE(MassChange::confirmed("%APPNAME%", "%APPNAME%"));
    EXPECT_TRUE(MassChange::confirmed("%appname%", "%APPNAME%"));
}

TEST_F(ScriptCheckerTest, MassChangeRewritesOnlyChangedFiles) {
    load("Alpha\r\nBeta\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%appname%&v=%APPVERSION%\r\nx=%appname%\r\n");
    ws.write("sites/Beta EMAIL_NEW.scp", "untouched\n");
    EXPECT_EQ(MassChange::replaceAll(eng(), "%appname%", "%APPNAME%").written, 1);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "n=%APPNAME%&v=%APPVERSION%\r\nx=%APPNAME%\r\n");
    EXPECT_EQ(ws.read("sites/Beta EMAIL_NEW.scp"), "untouched\n");
    EXPECT_TRUE(check().empty());
}

TEST_F(ScriptCheckerTest, MassChangeOfATextFoundNowhereWritesNothing) {
    load("Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%APPNAME%\n");
    EXPECT_EQ(MassChange::replaceAll(eng(), "%COMPNAME%", "%CONTNAME%").written, 0);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "n=%APPNAME%\n");
}

TEST_F(ScriptCheckerTest, DefaultScriptsReadAndWriteInData) {
    load("");
    const DefaultScripts scripts(gwide.paths());
    EXPECT_FALSE(scripts.exists(SiteEngine::FtpNew));
    EXPECT_FALSE(DefaultScripts::hasDefault(SiteEngine::HttpNew));
    scripts.save(SiteEngine::FtpNew, "File: %APPNAME%\nBy %COMPNAME%");
    EXPECT_EQ(ws.read("data/FTP_DEF_SCRIPT.SCP"), "File: %APPNAME%\r\nBy %COMPNAME%\r\n");
    EXPECT_EQ(scripts.load(SiteEngine::FtpNew), "File: %APPNAME%\r\nBy %COMPNAME%");
    ws.write("data/EMAIL_DEF_SCRIPT_UPDATE.SCP", "u\r\n");
    EXPECT_EQ(scripts.load(SiteEngine::EmailUpdate), "u");
    EXPECT_EQ(DefaultScripts::heading(SiteEngine::EmailNew), "Default NEW EMAIL Script");
    EXPECT_EQ(DefaultScripts::heading(SiteEngine::EmailUpdate), "Default UPDATE EMAIL Script");
    EXPECT_EQ(DefaultScripts::heading(SiteEngine::FtpNew), "Default FTP Script");
}

} // namespace
