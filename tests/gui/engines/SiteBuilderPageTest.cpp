#include "SiteBuilderFixture.h"
#include "engines/MatchUp.h"
#include "gui/controls/OneItemMenu.h"
#include "gui/engines/SiteBuilderPanel.h"
#include "records/TIniFile.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

using Added = SiteEngine::AddedText;

class SiteBuilderPageTest : public SiteBuilderFixture {
protected:
    QCheckBox* check(const char* name) { return find<QCheckBox>(name); }
    QRadioButton* radio(const char* name) { return find<QRadioButton>(name); }
    QPlainTextEdit* memo(const char* name) { return find<QPlainTextEdit>(name); }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }

    // Selects the site by its name through the selector, and shows a sub-page.
    void open(const QString& site, const QString& subPage) {
        pick(static_cast<int>(eng().engineList().indexOf(site)));
        ASSERT_EQ(eng().current().name, site);
        showSubPage(subPage);
    }

    QString typedInto(QPlainTextEdit* editor) {
        editor->setFocus();
        editor->clear();
        QTest::keyClicks(editor, "ab");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Enter);
        QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(editor, "cd");
        return editor->toPlainText();
    }

    QStringList captions() {
        QStringList texts;
        for (QLabel* l : page->findChildren<QLabel*>())
            texts << l->text();
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
            texts << b->text();
        for (QGroupBox* g : page->findChildren<QGroupBox*>())
            texts << g->title();
        return texts;
    }
};

TEST_F(SiteBuilderPageTest, SubPagesControlsAndCaptions) {
    EXPECT_EQ(page->objectName(), "SiteBuilderSheet");
    QTabWidget* tabs = page->subPages();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(0), "Details");
    EXPECT_EQ(tabs->tabText(1), "HTTP Post");
    EXPECT_EQ(tabs->tabText(2), "FTP Upload");
    EXPECT_EQ(tabs->tabText(3), "E-mail");
    for (const char* name :
         {"EB_SitesWebUrlEdit", "EB_HTTP_NewScriptURLEdit", "EB_HTTP_UpdateScriptURLEdit",
          "EB_FTPServerEdit", "EB_RemotePathEdit", "EB_LoginNameEdit", "EB_LoginPasswordEdit",
          "EB_FileName", "EB_EmailToEdit", "EB_EmailSubjectEdit", "EB_EmailToEdit_Update",
          "EB_EmailSubjectEdit_Update"})
        edit(name);
    for (const char* name :
         {"EB_CatagoriesMemo1", "EB_CatagoriesMemo2", "EB_NewSubmissionMemo",
          "EB_UpdateSubmissionMemo", "EB_FileScriptMemo", "EB_Email_NewSubmissionScriptMemo",
          "EB_Email_UpdateSubmissionScriptMemo"})
        memo(name);
    for (const char* name :
         {"EB_TypeFreeRadio", "EB_TypeShareRadio", "EB_32BitOnly", "EB_16BitOnly", "EB_3216Bit",
          "EB_PostType_POST", "EB_PostType_GET", "EB_AddFileToUploadChk", "EB_IncludeInZipChk",
          "EB_AddedTextBoth", "EB_BytesRadio", "EB_KBytesRadio", "EB_MBytesRadio"})
        radio(name);
    for (const char* name :
         {"EB_MatchUpFields", "EB_HTTPNew_ScriptCheck", "EB_HTTPUpdate_ScriptCheck",
          "EB_FTPScriptCheck", "Eb_FTPScriptDefaultBtn", "Eb_MailNewScriptDefaultBtn",
          "Eb_MailUpdateScriptDefaultBtn", "EB_EMailNew_ScriptCheck", "EB_EMailUpdate_ScriptCheck",
          "EB_UpdateSiteBtn", "EB_DeleteSiteBtn", "EB_AddNewSiteBtn", "ContributeBtn"})
        button(name);
    const QStringList texts = captions();
    for (const char* caption : {"Site Name:",
                                "Site's Web Page:",
                                "Use Primary Category Selections",
                                "Use Secondary Category Selections",
                                "Site Accepts:",
                                "Freeware Only",
                                "Freeware && Shareware",
                                "Site Accepts Operating Systems of:",
                                "32 Bit Only",
                                "16 Bit Only",
                                "Both",
                                "Site Uses HTTP",
                                "Method:",
                                "Post",
                                "Get",
                                "Post URL:",
                                "New Script:",
                                "Update Script:",
                                "Field Translations",
                                "Test Script",
                                "Site Uses FTP Uploads",
                                "Site requires ZIP file",
                                "Site Requires 8 + 3 Filename",
                                "FTP Server:",
                                "Remote Path:",
                                "Login name:",
                                "Login Password:",
                                "Filename:",
                                "Added Text File:",
                                "Add to Upload",
                                "Include in Zip",
                                "Default Script",
                                "Use E-Mail Submission",
                                "E-Mail New Submissions to:",
                                "Subject:",
                                "E-Mail Updates to:",
                                "Attach .Ico",
                                "Attach .Gif",
                                "Attach Screen Shot",
                                "Attach Other File",
                                "Attach Application",
                                "Send Copy To Company Contact",
                                "Byte Format",
                                "Bytes",
                                "Kbytes",
                                "Mbytes",
                                "Save Site",
                                "Delete Site",
                                "New Site",
                                "Contribute!"})
        EXPECT_TRUE(texts.contains(caption)) << caption;
    EXPECT_EQ(captions().count("Post URL:"), 2);
    EXPECT_FALSE(button("ContributeBtn")->isVisible());
}

TEST_F(SiteBuilderPageTest, HiddenSortedListsAndSelector) {
    auto* builtIn = find<QComboBox>("EB_TallmarkSiteNameCombo");
    auto* user = find<QComboBox>("EB_UserSiteNameCombo");
    EXPECT_TRUE(builtIn->isHidden());
    EXPECT_TRUE(user->isHidden());
    ASSERT_EQ(builtIn->count(), 2);
    EXPECT_EQ(builtIn->itemText(0), "Alpha");
    EXPECT_EQ(builtIn->itemText(1), "Gamma");
    ASSERT_EQ(user->count(), 1);
    QComboBox* names = siteNames();
    ASSERT_EQ(names->count(), 3);
    EXPECT_EQ(names->itemText(1), "beta");
    EXPECT_FALSE(names->isEditable());
    EXPECT_EQ(names->currentIndex(), -1);
}

TEST_F(SiteBuilderPageTest, EnteringThePageShowsTheFirstSiteOnce) {
    page->enterPage();
    EXPECT_EQ(siteNames()->currentText(), "Alpha");
    EXPECT_EQ(edit("EB_SitesWebUrlEdit")->text(), "http://alpha.example/");
    EXPECT_EQ(memo("EB_CatagoriesMemo1")->toPlainText(), "GAMES\">Games\nUtilities");
    EXPECT_EQ(memo("EB_NewSubmissionMemo")->toPlainText(), "name=%APPNAME%&ver=%APPVER%");
    EXPECT_EQ(edit("EB_FTPServerEdit")->text(), "ftp.alpha.example");
    for (const char* on : {"EB_TypeFreeRadio", "EB_32BitOnly", "EB_PostType_GET",
                           "EB_IncludeInZipChk", "EB_KBytesRadio"})
        EXPECT_TRUE(radio(on)->isChecked()) << on;
    for (const char* on :
         {"EB_UseCatagory1", "EB_UseHTTPPostChk", "EB_UseFTPUploadChk", "EB_UseZipFileChk"})
        EXPECT_TRUE(check(on)->isChecked()) << on;
    EXPECT_FALSE(check("EB_UseEmail")->isChecked());
    EXPECT_FALSE(session.EngineUnsaved); // a load is not an edit

    pick(2);
    page->enterPage();
    EXPECT_EQ(eng().current().name, "Gamma");
}

TEST_F(SiteBuilderPageTest, EnteringWithNoSitesSelectsNothing) {
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::Yes};
    page->enterPage();
    for (int i = 0; i < 3; ++i)
        click(button("EB_DeleteSiteBtn"));
    EXPECT_TRUE(eng().engineList().isEmpty());
    page->enterPage();
    EXPECT_EQ(siteNames()->currentIndex(), -1);
    EXPECT_EQ(eng().current().name, "");
}

struct Rule {
    const char* use;
    const char* subPage;
    std::vector<const char*> governed;
    std::vector<const char*> free;
};

TEST_F(SiteBuilderPageTest, EnablingRulesFollowEachUseCheckBox) {
    const std::vector<Rule> rules = {
        {"EB_UseCatagory1", "Details", {"EB_CatagoriesMemo1"}, {"EB_SiteNameCombo"}},
        {"EB_UseCatagory2", "Details", {"EB_CatagoriesMemo2"}, {"EB_SitesWebUrlEdit"}},
        {"EB_UseHTTPPostChk",
         "HTTP Post",
         {"EB_NewSubmissionMemo", "EB_UpdateSubmissionMemo"},
         {"EB_HTTP_NewScriptURLEdit", "EB_HTTP_UpdateScriptURLEdit", "EB_PostType_POST",
          "EB_PostType_GET", "EB_MatchUpFields", "EB_HTTPNew_ScriptCheck"}},
        {"EB_UseFTPUploadChk",
         "FTP Upload",
         {"EB_UseZipFileChk", "EB_Use8x3FileName", "EB_FtpTlsChk", "EB_FtpPassiveChk",
          "EB_FTPServerEdit", "EB_LoginNameEdit", "EB_RemotePathEdit", "EB_LoginPasswordEdit",
          "EB_AddFileToUploadChk", "EB_IncludeInZipChk", "EB_AddedTextBoth", "EB_FileName",
          "EB_FileScriptMemo"},
         {"Eb_FTPScriptDefaultBtn", "EB_FTPScriptCheck"}},
        {"EB_UseEmail",
         "E-mail",
         {"EB_EmailToEdit", "EB_EmailToEdit_Update", "EB_EmailSubjectEdit",
          "EB_EmailSubjectEdit_Update", "EB_Email_NewSubmissionScriptMemo",
          "EB_Email_UpdateSubmissionScriptMemo", "EB_AttachAppToEmail", "EB_SendEmailCopy",
          "EB_AttachGif", "EB_AttachIco", "EB_AttachScreenShot", "EB_AttachOther"},
         {"Eb_MailNewScriptDefaultBtn", "EB_EMailNew_ScriptCheck"}}};
    page->enterPage(); // Alpha: categories 1, HTTP and FTP on; categories 2 and e-mail off
    for (const Rule& rule : rules) {
        showSubPage(rule.subPage);
        QCheckBox* use = check(rule.use);
        for (int round = 0; round < 2; ++round) {
            session.markEngineSaved();
            const bool was = use->isChecked();
            for (const char* name : rule.governed)
                EXPECT_EQ(find<QWidget>(name)->isEnabled(), was) << rule.use << " " << name;
            click(use);
            ASSERT_NE(use->isChecked(), was) << rule.use;
            EXPECT_TRUE(session.EngineUnsaved) << rule.use;
            for (const char* name : rule.governed)
                EXPECT_EQ(find<QWidget>(name)->isEnabled(), !was) << rule.use << " " << name;
            for (const char* name : rule.free)
                EXPECT_TRUE(find<QWidget>(name)->isEnabled()) << rule.use << " " << name;
        }
    }
}

TEST_F(SiteBuilderPageTest, LoadingAppliesTheEnablingRules) {
    page->enterPage();
    EXPECT_TRUE(memo("EB_CatagoriesMemo1")->isEnabled());
    EXPECT_FALSE(edit("EB_EmailToEdit")->isEnabled());
    pick(1); // beta: e-mail only
    EXPECT_FALSE(memo("EB_CatagoriesMemo1")->isEnabled());
    EXPECT_FALSE(memo("EB_NewSubmissionMemo")->isEnabled());
    EXPECT_FALSE(edit("EB_FTPServerEdit")->isEnabled());
    EXPECT_TRUE(edit("EB_EmailToEdit")->isEnabled());
    EXPECT_TRUE(edit("EB_HTTP_NewScriptURLEdit")->isEnabled());
}

TEST_F(SiteBuilderPageTest, WithoutZipOnlyAddToUploadStays) {
    open("Alpha", "FTP Upload");
    ASSERT_TRUE(radio("EB_IncludeInZipChk")->isChecked());
    click(check("EB_UseZipFileChk"));
    EXPECT_FALSE(check("EB_UseZipFileChk")->isChecked());
    EXPECT_FALSE(radio("EB_IncludeInZipChk")->isChecked());
    EXPECT_TRUE(radio("EB_AddFileToUploadChk")->isChecked());
    EXPECT_EQ(eng().current().addedText(), Added::AddToUpload);
    for (const char* choice : {"EB_IncludeInZipChk", "EB_AddedTextBoth"}) {
        session.markEngineSaved();
        click(radio(choice));
        EXPECT_TRUE(session.EngineUnsaved) << choice;
        EXPECT_TRUE(radio("EB_AddFileToUploadChk")->isChecked()) << choice;
        EXPECT_FALSE(radio(choice)->isChecked()) << choice;
        EXPECT_EQ(eng().current().addedText(), Added::AddToUpload) << choice;
    }
}

TEST_F(SiteBuilderPageTest, WithZipEveryAddedTextChoiceStays) {
    open("Alpha", "FTP Upload");
    click(radio("EB_AddedTextBoth"));
    EXPECT_EQ(eng().current().addedText(), Added::Both);
    click(radio("EB_AddFileToUploadChk"));
    EXPECT_EQ(eng().current().addedText(), Added::AddToUpload);
    click(radio("EB_IncludeInZipChk"));
    EXPECT_TRUE(radio("EB_IncludeInZipChk")->isChecked());
    EXPECT_EQ(eng().current().addedText(), Added::IncludeInZip);
    // Turning the zip on leaves the choice alone.
    click(check("EB_UseZipFileChk"));
    click(check("EB_UseZipFileChk"));
    EXPECT_TRUE(check("EB_UseZipFileChk")->isChecked());
    EXPECT_TRUE(radio("EB_AddFileToUploadChk")->isChecked());
    click(radio("EB_AddedTextBoth"));
    EXPECT_TRUE(radio("EB_AddedTextBoth")->isChecked());
}

TEST_F(SiteBuilderPageTest, AFileWithNoAddedTextChoiceShowsNone) {
    ws.write("sites/Gamma.ini", "[SETTINGS]\r\nADD_FILE_TO_ZIP=0\r\n");
    open("Gamma", "FTP Upload");
    for (const char* choice : {"EB_AddFileToUploadChk", "EB_IncludeInZipChk", "EB_AddedTextBoth"})
        EXPECT_FALSE(radio(choice)->isChecked()) << choice;
}

TEST_F(SiteBuilderPageTest, EnterIsRefusedOnlyInTheHttpScripts) {
    page->enterPage();
    showSubPage("HTTP Post");
    EXPECT_EQ(typedInto(memo("EB_NewSubmissionMemo")), "abcd");
    EXPECT_EQ(typedInto(memo("EB_UpdateSubmissionMemo")), "abcd");
    EXPECT_EQ(eng().current().scripts[SiteEngine::HttpNew], "abcd");
    EXPECT_EQ(memo("EB_NewSubmissionMemo")->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    showSubPage("FTP Upload");
    EXPECT_EQ(typedInto(memo("EB_FileScriptMemo")), "ab\n\n\ncd");
    EXPECT_EQ(eng().current().scripts[SiteEngine::FtpNew], "ab\r\n\r\n\r\ncd");
    showSubPage("E-mail");
    click(check("EB_UseEmail"));
    EXPECT_EQ(typedInto(memo("EB_Email_NewSubmissionScriptMemo")), "ab\n\n\ncd");
    EXPECT_EQ(typedInto(memo("EB_Email_UpdateSubmissionScriptMemo")), "ab\n\n\ncd");
}

TEST_F(SiteBuilderPageTest, TypingIntoTheSiteSelectorChangesNothing) {
    page->enterPage();
    QComboBox* names = siteNames();
    names->setFocus();
    QTest::keyClicks(names, "Gamma");
    QTest::keyClicks(names, "b");
    EXPECT_EQ(names->currentText(), "Alpha");
    EXPECT_EQ(eng().current().name, "Alpha");
    EXPECT_FALSE(session.EngineUnsaved);
}

TEST_F(SiteBuilderPageTest, PickingAnotherSiteAsksAndNoLoadsItWithoutTheEdits) {
    page->enterPage();
    QTest::keyClicks(edit("EB_SitesWebUrlEdit"), "x");
    EXPECT_TRUE(session.EngineUnsaved);
    pick(1);
    EXPECT_EQ(prompter.shown,
              QStringList{"confirm: Would you like to save Added/Changed Engine Info?"});
    EXPECT_EQ(eng().current().name, "beta");
    EXPECT_FALSE(session.EngineUnsaved);
    EXPECT_EQ(edit("EB_SitesWebUrlEdit")->text(), "");
    EXPECT_EQ(edit("EB_EmailToEdit")->text(), "up@beta.example");
    EXPECT_EQ(memo("EB_Email_NewSubmissionScriptMemo")->toPlainText(), "Hello\nThere");
    EXPECT_TRUE(radio("EB_BytesRadio")->isChecked());
    EXPECT_TRUE(radio("EB_AddFileToUploadChk")->isChecked());
    pick(0);
    EXPECT_EQ(edit("EB_SitesWebUrlEdit")->text(), "http://alpha.example/");
}

TEST_F(SiteBuilderPageTest, EveryKindOfEditMarksTheEngineAndALoadClearsIt) {
    page->enterPage();
    const auto edited = [&](const char* what, const std::function<void()>& act) {
        session.markEngineSaved();
        act();
        EXPECT_TRUE(session.EngineUnsaved) << what;
    };
    edited("line", [&] { QTest::keyClicks(edit("EB_SitesWebUrlEdit"), "/x"); });
    edited("memo", [&] { QTest::keyClicks(memo("EB_CatagoriesMemo1"), "z"); });
    edited("type", [&] { click(radio("EB_TypeShareRadio")); });
    edited("system", [&] { click(radio("EB_3216Bit")); });
    edited("bytes", [&] { click(radio("EB_MBytesRadio")); });
    showSubPage("HTTP Post");
    edited("method", [&] { click(radio("EB_PostType_POST")); });
    showSubPage("E-mail");
    edited("check", [&] { click(check("EB_UseEmail")); });
    edited("attach", [&] { click(check("EB_AttachGif")); });
    const SiteEngine& e = eng().current();
    EXPECT_EQ(e.text("SITES_WEB_URL"), "http://alpha.example//x");
    EXPECT_EQ(e.number("SITE_TYPE"), 2);
    EXPECT_EQ(e.number("SITE_SYSTEM"), 3);
    EXPECT_EQ(e.number("BYTE_FORMAT"), 3);
    EXPECT_EQ(e.number("HTTP_POST_TYPE"), 1);
    EXPECT_TRUE(e.flag("EMAIL_ATTACH_GIF"));
    pick(2);
    EXPECT_FALSE(session.EngineUnsaved);
}

TEST_F(SiteBuilderPageTest, SaveSiteWritesWhatTheWidgetsHold) {
    open("beta", "E-mail");
    QTest::keyClicks(edit("EB_EmailSubjectEdit"), "New %APPNAME%");
    click(check("EB_AttachAppToEmail"));
    showSubPage("Details");
    click(check("EB_UseCatagory2"));
    QTest::keyClicks(memo("EB_CatagoriesMemo2"), "A\">Apps");
    QTest::keyClick(memo("EB_CatagoriesMemo2"), Qt::Key_Return);
    QTest::keyClicks(memo("EB_CatagoriesMemo2"), "Tools");
    click(radio("EB_KBytesRadio"));
    ASSERT_TRUE(session.EngineUnsaved);
    click(button("EB_UpdateSiteBtn"));
    EXPECT_FALSE(session.EngineUnsaved);
    TIniFile saved(ws.path("sites/beta.ini"));
    EXPECT_EQ(saved.ReadKey("SETTINGS", "EMAIL_SUBJECT", ""), "New %APPNAME%");
    EXPECT_EQ(saved.ReadKey("SETTINGS", "EMAIL_ATTACH_APPLICATION", ""), "1");
    EXPECT_EQ(saved.ReadKey("SETTINGS", "USE_CAT2", ""), "1");
    EXPECT_EQ(saved.ReadKey("SETTINGS", "BYTE_FORMAT", ""), "2");
    EXPECT_EQ(saved.ReadKey("SETTINGS", "EMAIL_TONAME", ""), "up@beta.example");
    EXPECT_EQ(ws.read("cat/beta Cat2.cat"), "A\">Apps\r\nTools\r\n");
    EXPECT_EQ(ws.read("sites/beta EMAIL_NEW.scp"), "Hello\r\nThere\r\n");
}

TEST_F(SiteBuilderPageTest, FtpTlsAndPassiveCheckBoxesAreSavedOnlyOnceTicked) {
    open("Alpha", "FTP Upload");
    EXPECT_EQ(check("EB_FtpTlsChk")->text(), "Use TLS");
    EXPECT_EQ(check("EB_FtpPassiveChk")->text(), "Passive Mode");
    EXPECT_FALSE(check("EB_FtpTlsChk")->isChecked());
    click(button("EB_UpdateSiteBtn"));
    EXPECT_FALSE(ws.read("sites/Alpha.ini").contains("FTP_TLS"));
    click(check("EB_FtpTlsChk"));
    click(check("EB_FtpPassiveChk"));
    EXPECT_TRUE(session.EngineUnsaved);
    click(button("EB_UpdateSiteBtn"));
    TIniFile saved(ws.path("sites/Alpha.ini"));
    EXPECT_EQ(saved.ReadKey("SETTINGS", "FTP_TLS", ""), "1");
    EXPECT_EQ(saved.ReadKey("SETTINGS", "FTP_PASSIVE", ""), "1");
    open("beta", "FTP Upload");
    EXPECT_FALSE(check("EB_FtpTlsChk")->isChecked());
    open("Alpha", "FTP Upload");
    EXPECT_TRUE(check("EB_FtpTlsChk")->isChecked());
    EXPECT_TRUE(check("EB_FtpPassiveChk")->isChecked());
}

TEST_F(SiteBuilderPageTest, SaveAndDeleteWithNoSiteShownDoNothing) {
    const QStringList before = QDir(ws.path("sites")).entryList(QDir::Files);
    click(button("EB_UpdateSiteBtn"));
    click(button("EB_DeleteSiteBtn"));
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(QDir(ws.path("sites")).entryList(QDir::Files), before);
    EXPECT_EQ(siteNames()->count(), 3);
}

TEST_F(SiteBuilderPageTest, NewSiteHasEveryDefaultAndShowsContributeUntilTheNextPick) {
    page->enterPage();
    prompter.names = {QString("  Fresh  ")};
    click(button("EB_AddNewSiteBtn"));
    EXPECT_EQ(prompter.shown.first(), "name: New Site Name:");
    QByteArray expected = "[SETTINGS]\r\n";
    for (const auto& k : SiteEngine::keys())
        expected += k.name.toUtf8() + "=" + k.def.toUtf8() + "\r\n";
    EXPECT_EQ(ws.read("sites/Fresh.ini"), expected);
    EXPECT_FALSE(ws.exists("cat/Fresh Cat1.cat"));
    EXPECT_FALSE(ws.exists("cat/Fresh Cat2.cat"));
    for (const QString& suffix : SiteEngine::scriptSuffixes())
        EXPECT_FALSE(ws.exists("sites/Fresh" + suffix + ".scp")) << suffix.toStdString();
    EXPECT_EQ(ws.read("sites/User_Sites.dat"), "beta\r\nFresh\r\n");

    EXPECT_TRUE(button("ContributeBtn")->isVisible());
    EXPECT_TRUE(session.EngineUnsaved);
    EXPECT_EQ(siteNames()->currentText(), "Fresh");
    EXPECT_EQ(find<QComboBox>("EB_UserSiteNameCombo")->count(), 2);
    EXPECT_EQ(edit("EB_SitesWebUrlEdit")->text(), "");
    EXPECT_EQ(memo("EB_CatagoriesMemo1")->toPlainText(), "");
    EXPECT_FALSE(check("EB_UseCatagory1")->isChecked());
    for (const char* on : {"EB_BytesRadio", "EB_TypeShareRadio", "EB_3216Bit", "EB_PostType_POST",
                           "EB_AddFileToUploadChk"})
        EXPECT_TRUE(radio(on)->isChecked()) << on;

    pick(0);
    EXPECT_FALSE(button("ContributeBtn")->isVisible());
}

TEST_F(SiteBuilderPageTest, ContributeGoesWhenAnotherPartShowsAnotherSite) {
    ws.write("data/FTP_DEF_SCRIPT.SCP", "Default\r\n");
    prompter.names = {QString("Fresh")};
    click(button("EB_AddNewSiteBtn"));
    ASSERT_TRUE(button("ContributeBtn")->isVisible());
    prompter.answers = {Prompter::Answer::Yes};
    showSubPage("FTP Upload");
    click(button("Eb_FTPScriptDefaultBtn"));
    EXPECT_EQ(eng().current().scripts[SiteEngine::FtpNew], "Default");
    EXPECT_TRUE(button("ContributeBtn")->isVisible()); // the same site, changed
    prompter.answers = {Prompter::Answer::No};
    commands.selectSite(0);
    EXPECT_FALSE(button("ContributeBtn")->isVisible());
}

TEST_F(SiteBuilderPageTest, DuplicateNameShowsTheErrorBoxThenAsksAgain) {
    page->enterPage();
    prompter.names = {QString("Alpha"), std::nullopt};
    click(button("EB_AddNewSiteBtn"));
    EXPECT_EQ(prompter.shown,
              (QStringList{"name: New Site Name:",
                           "errorBox: SITE NAME DUPLICATE / The site name you entered is already "
                           "on the list! / ",
                           "name: New Site Name:"}));
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_FALSE(button("ContributeBtn")->isVisible());
    EXPECT_EQ(siteNames()->count(), 3);
    EXPECT_EQ(eng().current().name, "Alpha");
    EXPECT_FALSE(session.EngineUnsaved);
}

TEST_F(SiteBuilderPageTest, DeleteShowsTheFirstSite) {
    open("beta", "Details");
    prompter.answers = {Prompter::Answer::No};
    click(button("EB_DeleteSiteBtn"));
    EXPECT_EQ(eng().current().name, "beta");
    prompter.answers = {Prompter::Answer::Yes};
    click(button("EB_DeleteSiteBtn"));
    EXPECT_EQ(prompter.shown.count("confirm: Delete This Site ?"), 2);
    EXPECT_FALSE(ws.exists("sites/beta.ini"));
    EXPECT_FALSE(ws.exists("sites/beta EMAIL_NEW.scp"));
    EXPECT_EQ(ws.read("sites/User_Sites.dat"), "");
    EXPECT_EQ(siteNames()->count(), 2);
    EXPECT_EQ(siteNames()->currentIndex(), 0);
    EXPECT_EQ(siteNames()->currentText(), "Alpha");
    EXPECT_EQ(edit("EB_SitesWebUrlEdit")->text(), "http://alpha.example/");
    EXPECT_EQ(find<QComboBox>("EB_UserSiteNameCombo")->count(), 0);
    EXPECT_FALSE(session.EngineUnsaved);
}

TEST_F(SiteBuilderPageTest, DefaultScriptsFillTheirEditorsAfterYes) {
    ws.write("data/FTP_DEF_SCRIPT.SCP", "Name: %APPNAME%\r\nVersion: %APPVER%\r\n");
    ws.write("data/EMAIL_DEF_SCRIPT_NEW.SCP", "New one\r\n");
    ws.write("data/EMAIL_DEF_SCRIPT_UPDATE.SCP", "Update one\r\n");
    page->enterPage();
    showSubPage("FTP Upload");
    prompter.answers = {Prompter::Answer::No};
    click(button("Eb_FTPScriptDefaultBtn"));
    EXPECT_EQ(memo("EB_FileScriptMemo")->toPlainText(), "");
    EXPECT_FALSE(session.EngineUnsaved);
    prompter.answers = {Prompter::Answer::Yes};
    click(button("Eb_FTPScriptDefaultBtn"));
    EXPECT_EQ(memo("EB_FileScriptMemo")->toPlainText(), "Name: %APPNAME%\nVersion: %APPVER%");
    EXPECT_TRUE(session.EngineUnsaved);
    EXPECT_EQ(prompter.shown.count("confirm: Sure you want to do this?"), 2);
    showSubPage("E-mail");
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    click(button("Eb_MailNewScriptDefaultBtn"));
    click(button("Eb_MailUpdateScriptDefaultBtn"));
    EXPECT_EQ(memo("EB_Email_NewSubmissionScriptMemo")->toPlainText(), "New one");
    EXPECT_EQ(memo("EB_Email_UpdateSubmissionScriptMemo")->toPlainText(), "Update one");
    EXPECT_FALSE(ws.exists("sites/Alpha FTP_NEW.scp")); // nothing saved yet
}

TEST_F(SiteBuilderPageTest, VariableListMenuOnTheThirteenVariableFieldsOnly) {
    const QStringList variableFields = {"EB_NewSubmissionMemo",
                                        "EB_UpdateSubmissionMemo",
                                        "EB_HTTP_NewScriptURLEdit",
                                        "EB_HTTP_UpdateScriptURLEdit",
                                        "EB_RemotePathEdit",
                                        "EB_LoginNameEdit",
                                        "EB_LoginPasswordEdit",
                                        "EB_FileScriptMemo",
                                        "EB_FileName",
                                        "EB_EmailSubjectEdit",
                                        "EB_EmailSubjectEdit_Update",
                                        "EB_Email_NewSubmissionScriptMemo",
                                        "EB_Email_UpdateSubmissionScriptMemo"};
    QList<QWidget*> asked;
    QObject::connect(page.get(), &SiteBuilderPage::variableListRequested,
                     [&](QWidget* field) { asked << field; });
    for (const QString& name : variableFields) {
        auto* field = find<QWidget>(name);
        QMenu* menu = OneItemMenu::popup(field, QPoint(2, 2));
        ASSERT_NE(menu, nullptr) << name.toStdString();
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions().first()->text(), "Variable List");
        menu->actions().first()->trigger();
        menu->close();
        ASSERT_FALSE(asked.isEmpty());
        EXPECT_EQ(asked.last(), field) << name.toStdString();
    }
    EXPECT_EQ(asked.size(), 13);
    for (const char* plain : {"EB_EmailToEdit", "EB_EmailToEdit_Update", "EB_FTPServerEdit",
                              "EB_SitesWebUrlEdit", "EB_CatagoriesMemo1"})
        EXPECT_EQ(OneItemMenu::popup(find<QWidget>(plain), QPoint(2, 2)), nullptr) << plain;
}

TEST_F(SiteBuilderPageTest, ContributeButtonAndByteFormatMenuAskTheSame) {
    int asked = 0;
    QObject::connect(page.get(), &SiteBuilderPage::contributeRequested, [&] { ++asked; });
    QMenu* menu = OneItemMenu::popup(find<QGroupBox>("ByteFormatGroup"), QPoint(2, 2));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().first()->text(), " Contribute Site To Tallmark");
    menu->actions().first()->trigger();
    menu->close();
    EXPECT_EQ(asked, 1);
    prompter.names = {QString("Fresh")};
    click(button("EB_AddNewSiteBtn"));
    click(button("ContributeBtn"));
    EXPECT_EQ(asked, 2);
    page->contributed();
    EXPECT_FALSE(button("ContributeBtn")->isVisible()) << "until the next new site";
    prompter.names = {QString("Fresher")};
    click(button("EB_AddNewSiteBtn"));
    EXPECT_TRUE(button("ContributeBtn")->isVisible());
}

TEST_F(SiteBuilderPageTest, TestScriptButtonsNameTheirScripts) {
    page->enterPage();
    std::vector<int> asked;
    QObject::connect(page.get(), &SiteBuilderPage::testScriptRequested,
                     [&](SiteEngine::Script s) { asked.push_back(s); });
    const std::pair<const char*, const char*> buttons[] = {
        {"HTTP Post", "EB_HTTPNew_ScriptCheck"},
        {"HTTP Post", "EB_HTTPUpdate_ScriptCheck"},
        {"FTP Upload", "EB_FTPScriptCheck"},
        {"E-mail", "EB_EMailNew_ScriptCheck"},
        {"E-mail", "EB_EMailUpdate_ScriptCheck"}};
    for (const auto& [subPage, name] : buttons) {
        showSubPage(subPage);
        click(button(name));
    }
    EXPECT_EQ(asked,
              (std::vector<int>{SiteEngine::HttpNew, SiteEngine::HttpUpdate, SiteEngine::FtpNew,
                                SiteEngine::EmailNew, SiteEngine::EmailUpdate}));
}

} // namespace
