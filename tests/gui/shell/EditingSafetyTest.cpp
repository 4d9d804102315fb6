// Edits are never dropped without a question, and questions come only when something changed.
#include "commands/SiteBuilderCommands.h"
#include "engines/TEngBuild.h"
#include "gui/shell/QtPrompter.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "gui/submit/SiteGrid.h"
#include "shell/TGWide.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class EditingSafetyTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    std::unique_ptr<ShipkitApp> app;
    TMainFrm* w = nullptr;

    void TearDown() override { static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(nullptr); }
    // Two companies, an application each, and two site engines.
    void start() {
        ws.write("companies/companies.dat", "Acme\r\nBeta\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
        ws.write("companies/Beta.dat", "[COMPANY]\r\nCONAME=Beta\r\nCONTACT=Bob\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\nKit\r\n");
        ws.write("data/Beta Apps.dat", "Other\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nVERSION=1.0\r\n");
        ws.write("data/Kit.dat", "[APPINFO]\r\nVERSION=2.0\r\n");
        ws.write("sites/Sites.dat", "Alpha\r\nBravo\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\nSITES_WEB_URL=a\r\n");
        ws.write("sites/Bravo.ini", "[SETTINGS]\r\nSITES_WEB_URL=b\r\n");
        static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(&prompter);
        app = std::make_unique<ShipkitApp>(ws.dir(), &prompter);
        ASSERT_TRUE(app->start());
        w = app->mainWindow();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        prompter.shown.clear();
    }
    Session& session() { return app->session(); }
    template <class T> T* child(const char* name) { return w->findChild<T*>(name); }
    void type(const char* field, const QString& text) { child<QLineEdit>(field)->setText(text); }
    void pick(const char* combo, int index) {
        auto* box = child<QComboBox>(combo);
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }
};

TEST_F(EditingSafetyTest, ChoosingAnotherCompanyAsksOnlyWhenSomethingChanged) {
    start();
    pick("compname", 1); // nothing edited
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(session().companyText(), "Beta");
    type("conname", "Zed");
    type("conname", "Bob"); // typed and undone: no change
    EXPECT_FALSE(session().CompanyUnsaved);
    w->close();
    EXPECT_TRUE(prompter.shown.isEmpty()) << prompter.shown.join('|').toStdString();
}

TEST_F(EditingSafetyTest, EachDropOfEditsAsksAndCancelKeepsThem) {
    start();
    const struct {
        const char* what;
        std::function<void()> edit;
        std::function<void()> drop;
        QString question;
        std::function<bool()> kept;
    } cases[] = {
        {"company", [&] { type("conname", "Zed"); }, [&] { pick("compname", 1); },
         "confirm: Would you like to save Changed Company Info?",
         [&] {
             return session().companyText() == "Acme" &&
                    session().company()[CompanyRecord::CONTACT] == "Zed";
         }},
        {"application", [&] { session().setAppValue("VERSION", "9.9"); },
         [&] { pick("AppName", 1); }, "confirm: Would you like to save Tool?",
         [&] {
             return session().appText() == "Tool" && session().app().value("VERSION") == "9.9";
         }},
        {"engine",
         [&] {
             w->siteBuilderCommands().selectSite(0);
             session().gwide().engBuild()->current().set("SITES_WEB_URL", "changed");
             session().engineEdited();
         },
         [&] { w->siteBuilderCommands().selectSite(1); },
         "confirm: Would you like to save Added/Changed Engine Info?",
         [&] { return session().gwide().engBuild()->current().name == "Alpha"; }},
    };
    for (const auto& c : cases) {
        prompter.shown.clear();
        c.edit();
        prompter.answers = {Prompter::Answer::Cancel};
        c.drop();
        EXPECT_EQ(prompter.shown, QStringList{c.question}) << c.what;
        EXPECT_TRUE(c.kept()) << c.what;
    }
    // Closing then asks for all three; Cancel keeps the window.
    prompter.shown.clear();
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::No, Prompter::Answer::Cancel};
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(prompter.shown.size(), 3);
}

TEST_F(EditingSafetyTest, NoSiteIsLeftBehindByAFailedOrRefusedNewSite) {
    start();
    const QString tooLong(201, u'x');
    prompter.names = {tooLong, std::nullopt};
    EXPECT_FALSE(w->siteBuilderCommands().NewSiteBtnClick());
    EXPECT_TRUE(prompter.shown.contains(
        "errorBox: INVALID SITE NAME / A name cannot be longer than 200 characters. Please "
        "choose another name. / "))
        << prompter.shown.join('|').toStdString();
    // A folder where the settings file would go makes the write fail.
    QDir().mkpath(ws.path("sites/Ghost.ini"));
    prompter.names = {QString("Ghost")};
    EXPECT_ANY_THROW(w->siteBuilderCommands().NewSiteBtnClick());
    EXPECT_EQ(session().gwide().engBuild()->engineList(), (QStringList{"Alpha", "Bravo"}));
    EXPECT_FALSE(ws.read("sites/User_Sites.dat").contains("Ghost"));
}

TEST_F(EditingSafetyTest, ADeletedSiteLeavesTheSiteGrid) {
    start();
    ASSERT_EQ(session().siteList().rows().size(), 2u);
    w->siteBuilderCommands().selectSite(0);
    prompter.answers = {Prompter::Answer::Yes};
    w->siteBuilderCommands().DeleteSiteBtnClick();
    ASSERT_EQ(session().siteList().rows().size(), 1u);
    EXPECT_EQ(session().siteList().rows()[0].site, "Bravo");
    EXPECT_EQ(w->findChild<SiteGrid*>()->rowCount(), 1);
}

TEST_F(EditingSafetyTest, TheEngineCheckMakesTheFirstSiteCurrentWhenNoneIs) {
    start();
    ASSERT_LT(session().gwide().engBuild()->selectedIndex(), 0);
    w->siteBuilderCommands().makeFirstSiteCurrent();
    EXPECT_EQ(session().gwide().engBuild()->current().name, "Alpha");
    EXPECT_FALSE(session().EngineUnsaved);
}

TEST_F(EditingSafetyTest, ABoxBelongsToTheDialogThatRaisedIt) {
    start();
    QDialog dialog(w);
    dialog.open();
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box) {
            parent = box->parentWidget();
            box->accept();
        }
    });
    QTimer::singleShot(3000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    QtPrompter(w).message("hello");
    EXPECT_EQ(parent, &dialog);
}

TEST_F(EditingSafetyTest, TheWindowGrowsFromItsDesignedSize) {
    start();
    const QSize designed = w->size();
    EXPECT_EQ(w->minimumSize(), designed);
    auto* grid = w->findChild<SiteGrid*>();
    w->PageControl1()->setCurrentIndex(Session::Sites);
    const int narrow = grid->width();
    w->resize(designed + QSize(300, 200));
    QTest::qWait(50);
    EXPECT_GT(grid->width(), narrow + 200);
}

TEST_F(EditingSafetyTest, CtrlSSavesThePageShownAndTheStatusBarSaysSo) {
    start();
    type("conname", "Zed");
    QTest::keyClick(w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(session().CompanyUnsaved);
    EXPECT_TRUE(ws.read("companies/Acme.dat").contains("CONTACT=Zed"));
    EXPECT_EQ(w->statusBar()->currentMessage(), "Saved Acme");
}

} // namespace
