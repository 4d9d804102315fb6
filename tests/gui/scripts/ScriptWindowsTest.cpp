#include "base/Clock.h"
#include "engines/TEngBuild.h"
#include "gui/scripts/TDefaultScriptFrm.h"
#include "gui/scripts/TEngineCheckFrm.h"
#include "gui/scripts/TMassChangeFrm.h"
#include "gui/scripts/TScriptCheckFrm.h"
#include "gui/scripts/TVarsForm.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

class ScriptWindowsTest : public ::testing::Test, protected SessionFixture {
protected:
    ScriptWindowsTest() : SessionFixture(QDateTime(QDate(2026, 2, 3), QTime(4, 5))) {}

    TEngBuild& eng() { return *gwide.engBuild(); }
    void load(const QByteArray& sites) {
        ws.write("sites/Sites.dat", sites);
        ASSERT_TRUE(session.LoadWorkspace());
    }
    template <typename T> static T* find(QWidget* w, const char* name) {
        T* child = w->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    // Runs the action once the next modal dialog is up.
    static void whenModal(std::function<void(QWidget*)> act) {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(modal);
        });
    }
};

TEST_F(ScriptWindowsTest, ScriptTestShowsTheExpansionOrTheError) {
    load("");
    eng().current().name = "Shown";
    eng().current().scripts[SiteEngine::HttpUpdate] = "s=%SITENAME%&c=%SITECAT1%";
    std::unique_ptr<TScriptCheckFrm> window(TScriptCheckFrm::make(session, SiteEngine::HttpUpdate));
    EXPECT_EQ(window->windowTitle(), "Script Check");
    EXPECT_EQ(window->resultText(), "Script Error! -> [%UNKNOWN%]");
    eng().current().cat1 = "v\">Label";
    window.reset(TScriptCheckFrm::make(session, SiteEngine::HttpUpdate));
    EXPECT_EQ(window->resultText(), "s=Shown&c=v");
    eng().current().scripts[SiteEngine::EmailNew] = "a %APPNAME";
    window.reset(TScriptCheckFrm::make(session, SiteEngine::EmailNew));
    EXPECT_EQ(window->resultText(), "Script Error! -> []");
}

TEST_F(ScriptWindowsTest, ScriptTestRunsModallyAndCloses) {
    load("");
    eng().current().scripts[SiteEngine::FtpNew] = "x";
    QString seen;
    whenModal([&](QWidget* modal) {
        seen = modal->windowTitle();
        QTest::mouseClick(find<QPushButton>(modal, "OKBtn"), Qt::LeftButton);
    });
    TScriptCheckFrm::testScript(session, SiteEngine::FtpNew);
    EXPECT_EQ(seen, "Script Check");
}

TEST_F(ScriptWindowsTest, EngineCheckerListsErrorsAndLoadsTheFirst) {
    load("Alpha\r\nBeta\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "%APPNAME%\r\n");
    ws.write("sites/Beta EMAIL_NEW.scp", "bad %oops%\r\nline two\r\n");
    TEngineCheckFrm frm(session);
    frm.show();
    EXPECT_EQ(frm.windowTitle(), "Engine Checker");
    EXPECT_FALSE(frm.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(find<QTreeWidget>(&frm, "ErrorList")->isEnabled());
    EXPECT_FALSE(find<QPushButton>(&frm, "LoadSelectedBtn")->isEnabled());
    EXPECT_EQ(find<QLabel>(&frm, "WaitPanel")->text(), "Checking All Engines. Please Wait...");
    QTest::mouseClick(find<QPushButton>(&frm, "BeginCheckingBtn"), Qt::LeftButton);
    const QString path = ws.path("sites/Beta EMAIL_NEW.scp");
    EXPECT_EQ(frm.errorLines(), QStringList{QString("Beta\u00B1Error! -> [oops]\u00B1") + path});
    EXPECT_TRUE(find<QTreeWidget>(&frm, "ErrorList")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(&frm, "LoadSelectedBtn")->isEnabled());
    EXPECT_EQ(frm.editedFile(), path);
    EXPECT_EQ(frm.editorText(), "bad %oops%\nline two");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ScriptWindowsTest, SaveScriptWritesTheEditorAndTheCheckPasses) {
    load("Beta\r\n");
    ws.write("sites/Beta EMAIL_NEW.scp", "bad %oops%\r\n");
    TEngineCheckFrm frm(session);
    frm.show();
    QTest::mouseClick(find<QPushButton>(&frm, "BeginCheckingBtn"), Qt::LeftButton);
    find<QPlainTextEdit>(&frm, "ScriptEditor")->setPlainText("good %APPNAME%");
    QTest::mouseClick(find<QPushButton>(&frm, "SaveScriptBtn"), Qt::LeftButton);
    EXPECT_EQ(ws.read("sites/Beta EMAIL_NEW.scp"), "good %APPNAME%\r\n");
    QTest::mouseClick(find<QPushButton>(&frm, "BeginCheckingBtn"), Qt::LeftButton);
    EXPECT_TRUE(frm.errorLines().isEmpty());
    EXPECT_EQ(frm.editorText(), "");
    EXPECT_EQ(prompter.shown, QStringList{"message: No Errors found! :)"});
}

TEST_F(ScriptWindowsTest, OnlyExitClosesTheChecker) {
    load("");
    TEngineCheckFrm frm(session);
    frm.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    frm.close();
    EXPECT_TRUE(frm.isVisible());
    QTest::keyClick(&frm, Qt::Key_Escape);
    EXPECT_TRUE(frm.isVisible());
    QTest::mouseClick(find<QPushButton>(&frm, "ExitBtn"), Qt::LeftButton);
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(ScriptWindowsTest, MassChangeReplacesThenChecksAgain) {
    load("Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%appname%\r\n");
    TEngineCheckFrm frm(session);
    frm.show();
    whenModal([&](QWidget* modal) {
        EXPECT_EQ(modal->windowTitle(), "Mass Change In All Scripts");
        auto* from = find<QComboBox>(modal, "ComboFrom");
        EXPECT_EQ(from->currentText(), "%COMPNAME%");
        EXPECT_EQ(from->count(), 61);
        from->setEditText("%appname%");
        find<QComboBox>(modal, "ComboTo")->setCurrentIndex(13);
        QTest::mouseClick(find<QPushButton>(modal, "ReplaceBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(find<QPushButton>(&frm, "MassChangeBtn"), Qt::LeftButton);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "n=%APPNAME%\r\n");
    EXPECT_EQ(prompter.shown,
              (QStringList{"message: Mass Change Done!", "message: No Errors found! :)"}));
}

TEST_F(ScriptWindowsTest, MassChangeOfATextFoundNowhereStillReportsAndChecks) {
    load("Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "n=%APPNAME%\n");
    TEngineCheckFrm frm(session);
    frm.show();
    whenModal([&](QWidget* modal) {
        find<QComboBox>(modal, "ComboFrom")->setEditText("nowhere");
        QTest::mouseClick(find<QPushButton>(modal, "ReplaceBtn"), Qt::LeftButton);
    });
    QTest::mouseClick(find<QPushButton>(&frm, "MassChangeBtn"), Qt::LeftButton);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "n=%APPNAME%\n");
    EXPECT_EQ(prompter.shown,
              (QStringList{"message: Mass Change Done!", "message: No Errors found! :)"}));
}

TEST_F(ScriptWindowsTest, ReplaceWithTheSameTextClosesAndChangesNothing) {
    TMassChangeFrm dialog;
    bool ran = false;
    dialog.onReplace = [&](const QString&, const QString&) { ran = true; };
    dialog.show();
    EXPECT_EQ(dialog.toText(), "%COMPNAME%");
    EXPECT_FALSE(find<QLabel>(&dialog, "WaitPanel")->isVisible());
    QTest::mouseClick(find<QPushButton>(&dialog, "ReplaceBtn"), Qt::LeftButton);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(dialog.isConfirmed());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(find<QPushButton>(&dialog, "CancelBtn")->isEnabled());
}

TEST_F(ScriptWindowsTest, ToComboIgnoresTypedKeys) {
    TMassChangeFrm dialog;
    dialog.show();
    auto* to = find<QComboBox>(&dialog, "ComboTo");
    EXPECT_FALSE(to->isEditable());
    QTest::keyClicks(to, "APPN");
    EXPECT_EQ(dialog.toText(), "%COMPNAME%");
    EXPECT_TRUE(find<QComboBox>(&dialog, "ComboFrom")->isEditable());
}

TEST_F(ScriptWindowsTest, DefaultScriptMissingThenCreatedBySave) {
    load("");
    TDefaultScriptFrm frm(gwide.paths(), prompter, SiteEngine::FtpNew);
    frm.loadScript();
    EXPECT_EQ(frm.windowTitle(), "Default Script:");
    EXPECT_EQ(frm.heading(), "Default FTP Script");
    EXPECT_EQ(prompter.shown, QStringList{"error: Default Script File Not Found!"});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(frm.scriptText(), "");
    frm.show();
    frm.setScriptText("Name %APPNAME%\nDone");
    QTest::mouseClick(find<QPushButton>(&frm, "SaveScriptBtn"), Qt::LeftButton);
    EXPECT_EQ(ws.read("data/FTP_DEF_SCRIPT.SCP"), "Name %APPNAME%\r\nDone\r\n");
    EXPECT_FALSE(frm.isVisible());
}

TEST_F(ScriptWindowsTest, DefaultScriptMenuOpensTheEditorForItsFile) {
    load("");
    ws.write("data/EMAIL_DEF_SCRIPT_UPDATE.SCP", "Update for %APPNAME%\r\n");
    QMainWindow window;
    QMenu* file = new QMenu("&File", &window);
    TDefaultScriptFrm::addMenuItems(file, gwide.paths(), prompter, &window);
    ASSERT_NE(file->findChild<QAction*>("Mnu_DefaultFTPScript"), nullptr);
    ASSERT_NE(file->findChild<QAction*>("Mnu_DefaultEMAILScript_NEW"), nullptr);
    QAction* update = file->findChild<QAction*>("Mnu_DefaultEMAILScript_Update");
    ASSERT_NE(update, nullptr);
    QString heading;
    QString text;
    whenModal([&](QWidget* modal) {
        heading = find<QLabel>(modal, "HeadingPanel")->text();
        text = find<QPlainTextEdit>(modal, "ScriptMemo")->toPlainText();
        static_cast<QDialog*>(modal)->reject(); // closing discards the edits
    });
    update->trigger();
    EXPECT_EQ(heading, "Default UPDATE EMAIL Script");
    EXPECT_EQ(text, "Update for %APPNAME%");
}

class PickerTest : public ::testing::Test {
protected:
    QWidget mainWindow;
    QLineEdit* company = new QLineEdit(&mainWindow);
    QPlainTextEdit* script = new QPlainTextEdit(&mainWindow);
    TVarsForm picker{&mainWindow};

    void SetUp() override {
        auto* layout = new QVBoxLayout(&mainWindow);
        layout->addWidget(company);
        layout->addWidget(script);
        mainWindow.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
        picker.trackFocusIn(&mainWindow);
    }
    QTreeWidget* list() { return picker.findChild<QTreeWidget*>("VarListBox"); }
    void choose(int row) { list()->setCurrentItem(list()->topLevelItem(row)); }
};

TEST_F(PickerTest, SixtyOneRowsFirstSelectedOnShow) {
    picker.showFor(nullptr);
    EXPECT_EQ(picker.windowTitle(), "SiteBuilder Variables");
    EXPECT_TRUE(picker.windowFlags() & Qt::WindowStaysOnTopHint);
    ASSERT_EQ(list()->topLevelItemCount(), 61);
    EXPECT_EQ(list()->topLevelItem(0)->text(0), "%COMPNAME%");
    EXPECT_EQ(list()->topLevelItem(0)->text(1), "Company Name");
    EXPECT_EQ(list()->topLevelItem(60)->text(0), "%FBBSDESC%");
    EXPECT_EQ(picker.selectedVariable(), "%COMPNAME%");
}

TEST_F(PickerTest, ReplacesTheSelectionOfTheFocusedEditor) {
    script->setPlainText("name=XXX&v=1");
    script->setFocus();
    QApplication::processEvents();
    QTextCursor c = script->textCursor();
    c.setPosition(5);
    c.setPosition(8, QTextCursor::KeepAnchor);
    script->setTextCursor(c);
    picker.showFor(nullptr);
    choose(13);
    QTest::mouseClick(picker.findChild<QPushButton*>("UseSelectedBtn"), Qt::LeftButton);
    EXPECT_EQ(script->toPlainText(), "name=%APPNAME%&v=1");
    EXPECT_TRUE(picker.isVisible());
}

TEST_F(PickerTest, InsertsAtTheCaretOfTheLastFocusedEditBox) {
    company->setText("Acme ");
    company->setFocus();
    QApplication::processEvents();
    company->setCursorPosition(5);
    picker.showFor(nullptr);
    choose(49);
    QTest::keyClick(list(), Qt::Key_Return);
    EXPECT_EQ(company->text(), "Acme %SITENAME%");
    EXPECT_EQ(picker.target(), company);
}

TEST_F(PickerTest, ClosingHidesAndAGivenTargetWins) {
    picker.showFor(company);
    choose(0);
    EXPECT_TRUE(picker.insertInto(picker.target()));
    EXPECT_EQ(company->text(), "%COMPNAME%");
    QTest::mouseClick(picker.findChild<QPushButton*>("CloseBtn"), Qt::LeftButton);
    EXPECT_FALSE(picker.isVisible());
}

} // namespace
