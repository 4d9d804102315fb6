#include "base/Clock.h"
#include "base/ShipkitError.h"
#include "commands/SiteBuilderCommands.h"
#include "engines/MatchUp.h"
#include "engines/TEngBuild.h"
#include "records/ListFile.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class SiteEngineTest : public ::testing::Test, protected SessionFixture {
protected:
    SiteBuilderCommands builder{session};

    TEngBuild& eng() { return *gwide.engBuild(); }
    void load() { ASSERT_TRUE(session.LoadWorkspace()); }
    void loadSite(const char* name, const QByteArray& settings) {
        ws.write(QString("sites/%1.ini").arg(name), settings);
        eng().LoadSiteEngine(name);
    }
};

TEST_F(SiteEngineTest, FiftyKeysInSaveOrder) {
    const auto& keys = SiteEngine::keys();
    ASSERT_EQ(keys.size(), 50u);
    EXPECT_EQ(keys[0].name, "BYTE_FORMAT");
    EXPECT_EQ(keys[10].name, "MUF_Windows31");
    EXPECT_EQ(keys[27].name, "MUF_InstallUninstall");
    EXPECT_EQ(keys[28].name, "USE_FTP_UPLOAD");
    EXPECT_EQ(keys[49].name, "EMAIL_SUBJECT_UPDATE");
}

TEST_F(SiteEngineTest, OddIntegersTakeTheirMeaningAndSaveNormalised) {
    load();
    loadSite("Odd", "[SETTINGS]\r\nBYTE_FORMAT=7\r\nSITE_TYPE=0\r\nSITE_SYSTEM=9\r\n"
                    "HTTP_POST_TYPE=5\r\n");
    const SiteEngine& e = eng().current();
    EXPECT_EQ(e.number("BYTE_FORMAT"), 1);
    EXPECT_EQ(e.number("SITE_TYPE"), 2);
    EXPECT_EQ(e.number("SITE_SYSTEM"), 3);
    EXPECT_EQ(e.number("HTTP_POST_TYPE"), 1);
    eng().SaveSiteEngine();
    const QByteArray saved = ws.read("sites/Odd.ini");
    // Keys already in the file keep their place; the rest follow in save order.
    EXPECT_TRUE(saved.startsWith("[SETTINGS]\r\nBYTE_FORMAT=1\r\nSITE_TYPE=2\r\nSITE_SYSTEM=3\r\n"
                                 "HTTP_POST_TYPE=1\r\nSITES_WEB_URL=\r\nUSE_CAT1=0\r\n"));
}

TEST_F(SiteEngineTest, FlagsHexAndNonNumbers) {
    load();
    loadSite("F", "[SETTINGS]\r\nUSE_CAT1=2\r\nUSE_CAT2=yes\r\nBYTE_FORMAT=0x3\r\n"
                  "USE_EMAIL=-1\r\nSITE_TYPE=0x1\r\n");
    EXPECT_TRUE(eng().current().flag("USE_CAT1"));
    EXPECT_FALSE(eng().current().flag("USE_CAT2"));
    EXPECT_TRUE(eng().current().flag("USE_EMAIL"));
    EXPECT_EQ(eng().current().number("BYTE_FORMAT"), 3);
    EXPECT_EQ(eng().current().number("SITE_TYPE"), 1);
}

TEST_F(SiteEngineTest, PresentButEmptyMatchUpKeyStaysEmpty) {
    load();
    loadSite("M", "[SETTINGS]\r\nMUF_Beta=\r\n");
    EXPECT_EQ(eng().current().text("MUF_Beta"), "");
    EXPECT_EQ(eng().current().text("MUF_Freeware"), "Freeware");
}

TEST_F(SiteEngineTest, MissingSettingsFileGivesEveryDefaultWhateverWasCurrent) {
    load();
    loadSite("Full", "[SETTINGS]\r\nUSE_EMAIL=1\r\nMUF_Author=Writer\r\nFTP_SERVER=x\r\n");
    ws.write("cat/Full Cat1.cat", "A\">Alpha\r\n");
    eng().LoadSiteEngine("Full");
    EXPECT_FALSE(eng().current().cat1.isEmpty());
    eng().LoadSiteEngine("Nothing");
    const SiteEngine& e = eng().current();
    EXPECT_EQ(e.name, "Nothing");
    EXPECT_FALSE(e.flag("USE_EMAIL"));
    EXPECT_EQ(e.text("MUF_Author"), "Author");
    EXPECT_EQ(e.text("FTP_SERVER"), "");
    EXPECT_EQ(e.cat1, "");
    EXPECT_EQ(e.addedText(), SiteEngine::AddedText::AddToUpload);
}

TEST_F(SiteEngineTest, AddedTextChoiceLastSetWinsAndFalseClearsUpload) {
    load();
    loadSite("A1", "[SETTINGS]\r\nADD_FILE_TO_ZIP=1\r\nINCLUDE_IN_ZIP=1\r\nADDED_TEXT_BOTH=0\r\n");
    EXPECT_EQ(eng().current().addedText(), SiteEngine::AddedText::IncludeInZip);
    loadSite("A2", "[SETTINGS]\r\nADD_FILE_TO_ZIP=0\r\nINCLUDE_IN_ZIP=0\r\nADDED_TEXT_BOTH=0\r\n");
    EXPECT_EQ(eng().current().addedText(), SiteEngine::AddedText::None);
    loadSite("A3", "[SETTINGS]\r\nINCLUDE_IN_ZIP=1\r\nADDED_TEXT_BOTH=1\r\n");
    EXPECT_EQ(eng().current().addedText(), SiteEngine::AddedText::Both);
    eng().SaveSiteEngine();
    const QByteArray saved = ws.read("sites/A3.ini");
    EXPECT_TRUE(saved.startsWith("[SETTINGS]\r\nINCLUDE_IN_ZIP=0\r\nADDED_TEXT_BOTH=1\r\n"));
    EXPECT_TRUE(saved.contains("\r\nADD_FILE_TO_ZIP=0\r\n"));
}

TEST_F(SiteEngineTest, SaveKeepsUnknownKeysAndDeletesEmptyCategoryAndScriptFiles) {
    load();
    loadSite("K", "[SETTINGS]\r\nCUSTOM=keep me\r\nUSE_CAT1=1\r\n[OTHER]\r\nX=1\r\n");
    ws.write("cat/K Cat1.cat", "one\r\n");
    ws.write("sites/K HTTP_NEW.scp", "a=%APPNAME%\r\n");
    eng().LoadSiteEngine("K");
    eng().current().cat1.clear();
    eng().current().cat2 = "B\">Beta\r\nC";
    eng().current().scripts[SiteEngine::HttpNew].clear();
    eng().current().scripts[SiteEngine::EmailNew] = "Hello\r\n%APPNAME%";
    eng().SaveSiteEngine();
    const QByteArray saved = ws.read("sites/K.ini");
    EXPECT_TRUE(
        saved.startsWith("[SETTINGS]\r\nCUSTOM=keep me\r\nUSE_CAT1=1\r\nBYTE_FORMAT=1\r\n"));
    EXPECT_TRUE(saved.endsWith("EMAIL_SUBJECT_UPDATE=\r\n[OTHER]\r\nX=1\r\n"));
    EXPECT_FALSE(ws.exists("cat/K Cat1.cat"));
    EXPECT_EQ(ws.read("cat/K Cat2.cat"), "B\">Beta\r\nC\r\n");
    EXPECT_FALSE(ws.exists("sites/K HTTP_NEW.scp"));
    EXPECT_EQ(ws.read("sites/K EMAIL_NEW.scp"), "Hello\r\n%APPNAME%\r\n");
}

TEST_F(SiteEngineTest, CategoryLineForms) {
    EXPECT_EQ(TEngBuild::CategoryValue("GAMES\">Games and Fun"), "GAMES");
    EXPECT_EQ(TEngBuild::CategoryDisplay("GAMES\">Games and Fun"), "Games and Fun");
    EXPECT_EQ(TEngBuild::CategoryValue("Utilities"), "Utilities");
    EXPECT_EQ(TEngBuild::CategoryDisplay("Utilities"), "Utilities");
    EXPECT_EQ(TEngBuild::CategoryValue("\">Top"), "\">Top");
    EXPECT_EQ(TEngBuild::CategoryDisplay("\">Top"), "Top");
    EXPECT_EQ(TEngBuild::CategoryValue("A\">"), "A");
    EXPECT_EQ(TEngBuild::CategoryDisplay("A\">"), "A\">");
    EXPECT_EQ(TEngBuild::CategoryValue("x\">y\">z"), "x");
    EXPECT_EQ(TEngBuild::CategoryDisplay("x\">y\">z"), "y\">z");
}

TEST_F(SiteEngineTest, AddSiteStripsChecksDuplicatesCaseSensitivelyAndSavesLists) {
    ws.write("sites/Sites.dat", "Acme\r\n");
    load();
    EXPECT_FALSE(eng().AddSite("   ", prompter));
    EXPECT_FALSE(eng().AddSite("  Acme  ", prompter));
    EXPECT_TRUE(prompter.shown.contains("errorBox: SITE NAME DUPLICATE / The site name you "
                                        "entered is already on the list! / "));
    EXPECT_TRUE(eng().AddSite("  acme  ", prompter));
    EXPECT_TRUE(eng().AddSite("Beta", prompter));
    EXPECT_EQ(eng().engineList(), (QStringList{"Acme", "acme", "Beta"}));
    EXPECT_EQ(ws.read("sites/User_Sites.dat"), "acme\r\nBeta\r\n");
    EXPECT_EQ(ws.read("sites/Sites.dat"), "Acme\r\n");
    EXPECT_EQ(eng().engineList().at(eng().selectedIndex()), "Beta");
    EXPECT_FALSE(eng().AddSite("../x", prompter));
    EXPECT_EQ(eng().engineList().size(), 3);
}

TEST_F(SiteEngineTest, NewSiteHasASettingsFileWithEveryDefaultAndNoOtherFiles) {
    load();
    ws.write("cat/Fresh Cat1.cat", "left over\r\n");
    prompter.names = {QString("Fresh")};
    EXPECT_TRUE(builder.NewSiteBtnClick());
    EXPECT_TRUE(session.EngineUnsaved);
    QByteArray expected = "[SETTINGS]\r\n";
    for (const auto& k : SiteEngine::keys())
        expected += k.name.toUtf8() + "=" + k.def.toUtf8() + "\r\n";
    EXPECT_EQ(ws.read("sites/Fresh.ini"), expected);
    EXPECT_FALSE(ws.exists("cat/Fresh Cat1.cat"));
    EXPECT_EQ(QDir(ws.path("sites")).entryList(QDir::Files),
              (QStringList{"Fresh.ini", "Sites.dat", "User_Sites.dat"}));
}

TEST_F(SiteEngineTest, NewSiteDuplicateAsksAgainAndCancelChangesNothing) {
    ws.write("sites/Sites.dat", "Acme\r\n");
    load();
    prompter.names = {QString("Acme"), std::nullopt};
    EXPECT_FALSE(builder.NewSiteBtnClick());
    EXPECT_EQ(prompter.shown.filter("name: New Site Name:").size(), 2);
    EXPECT_EQ(eng().engineList(), QStringList{"Acme"});
    EXPECT_FALSE(ws.exists("sites/User_Sites.dat"));
}

TEST_F(SiteEngineTest, DeleteBuiltInSiteRemovesFilesAndNamesThenLoadsTheFirst) {
    ws.write("sites/Sites.dat", "Alpha\r\nBravo\r\n");
    ws.write("sites/Alpha.ini", "[SETTINGS]\r\nUSE_EMAIL=1\r\n");
    ws.write("sites/Bravo.ini", "[SETTINGS]\r\n");
    ws.write("sites/Bravo FTP_NEW.scp", "x\r\n");
    ws.write("cat/Bravo Cat2.cat", "x\r\n");
    load();
    builder.selectSite(1);
    EXPECT_EQ(eng().current().name, "Bravo");
    prompter.answers = {Prompter::Answer::Yes};
    builder.DeleteSiteBtnClick();
    EXPECT_EQ(ws.read("sites/Sites.dat"), "Alpha\r\n");
    for (const char* f : {"sites/Bravo.ini", "sites/Bravo FTP_NEW.scp", "cat/Bravo Cat2.cat"})
        EXPECT_FALSE(ws.exists(f)) << f;
    EXPECT_EQ(eng().current().name, "Alpha");
    EXPECT_TRUE(eng().current().flag("USE_EMAIL"));
    prompter.answers = {Prompter::Answer::Yes};
    builder.DeleteSiteBtnClick();
    EXPECT_EQ(eng().selectedIndex(), -1);
    EXPECT_EQ(eng().current().name, "");
    builder.SaveSiteBtnClick();
    EXPECT_EQ(QDir(ws.path("sites")).entryList(QDir::Files),
              (QStringList{"Sites.dat", "User_Sites.dat"}));
}

TEST_F(SiteEngineTest, DefaultScriptsComeFromTheDataFolder) {
    load();
    ws.write("data/FTP_DEF_SCRIPT.SCP", "Name: %APPNAME%\r\n");
    prompter.names = {QString("S")};
    builder.NewSiteBtnClick();
    prompter.answers = {Prompter::Answer::No};
    EXPECT_FALSE(builder.loadDefaultScript(SiteEngine::FtpNew));
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(builder.loadDefaultScript(SiteEngine::FtpNew));
    EXPECT_EQ(eng().current().scripts[SiteEngine::FtpNew], "Name: %APPNAME%");
    eng().current().scripts[SiteEngine::EmailNew] = "old";
    prompter.answers = {Prompter::Answer::Yes};
    try {
        builder.loadDefaultScript(SiteEngine::EmailNew);
        FAIL();
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Cannot open file " + ws.path("data/EMAIL_DEF_SCRIPT_NEW.SCP"));
    }
    EXPECT_EQ(eng().current().scripts[SiteEngine::EmailNew], "");
}

TEST_F(SiteEngineTest, SiteWebUrlReadsTheFileNotTheBuilder) {
    load();
    ws.write("sites/W.ini", "[SETTINGS]\r\nSITES_WEB_URL=http://w.example/\r\n");
    ws.write("sites/E.ini", "[SETTINGS]\r\n");
    EXPECT_EQ(builder.siteWebUrl("W"), QString("http://w.example/"));
    EXPECT_EQ(builder.siteWebUrl("E"), std::nullopt);
    EXPECT_EQ(builder.siteWebUrl("Missing"), std::nullopt);
    EXPECT_EQ(prompter.shown.filter("No URL defined for this site!").size(), 2);
}

TEST_F(SiteEngineTest, MatchUpOpeningValuesAndTranslation) {
    load();
    loadSite("T", "[SETTINGS]\r\nMUF_WindowsNT=\r\nMUF_Author=Writer\r\n");
    const auto opening = MatchUp::openingValues(eng().current());
    EXPECT_EQ(opening[4], "Author"); // fixed texts, as Windows NT is empty
    builder.storeMatchUp(opening);
    EXPECT_TRUE(session.EngineUnsaved);
    EXPECT_EQ(eng().current().text("MUF_Author"), "Author");
    session.markEngineSaved();
    builder.storeMatchUp(MatchUp::openingValues(eng().current()));
    EXPECT_FALSE(session.EngineUnsaved);
    eng().current().set("MUF_Shareware", "SW");
    eng().current().set("MUF_Beta", "");
    EXPECT_EQ(MatchUp::translate(eng().current(), 2, "Shareware"), "SW");
    EXPECT_EQ(MatchUp::translate(eng().current(), 2, "Beta"), "Beta");
    EXPECT_EQ(MatchUp::translate(eng().current(), 2, "Custom"), "Custom");
    EXPECT_EQ(MatchUp::translate(eng().current(), 1, "Shareware"), "Shareware");
}

} // namespace

TEST_F(SiteEngineTest, FtpTlsAndPassiveAreWrittenOnlyOnceSetAndClearedInPlace) {
    load();
    loadSite("T", "[SETTINGS]\r\nUSE_CAT1=1\r\n");
    EXPECT_FALSE(eng().current().ftpTls);
    eng().SaveSiteEngine();
    const QByteArray plain = ws.read("sites/T.ini");
    EXPECT_FALSE(plain.contains("FTP_TLS")) << "an engine that asks for nothing new";
    EXPECT_FALSE(plain.contains("FTP_PASSIVE"));
    eng().current().setFlag("FTP_TLS", true);
    eng().current().setFlag("FTP_PASSIVE", true);
    EXPECT_EQ(eng().current().transportLines(), (QStringList{"FTP_TLS=1", "FTP_PASSIVE=1"}));
    eng().SaveSiteEngine();
    EXPECT_EQ(ws.read("sites/T.ini"),
              plain.chopped(0).replace("EMAIL_SUBJECT_UPDATE=\r\n",
                                       "EMAIL_SUBJECT_UPDATE=\r\nFTP_TLS=1\r\nFTP_PASSIVE=1\r\n"));
    eng().LoadSiteEngine("T");
    EXPECT_TRUE(eng().current().flag("FTP_TLS"));
    EXPECT_TRUE(eng().current().ftpPassive);
    eng().current().setFlag("FTP_TLS", false);
    eng().SaveSiteEngine();
    eng().LoadSiteEngine("T");
    EXPECT_FALSE(eng().current().ftpTls);
    EXPECT_TRUE(ws.read("sites/T.ini").contains("\r\nFTP_TLS=0\r\nFTP_PASSIVE=1\r\n"));
}
