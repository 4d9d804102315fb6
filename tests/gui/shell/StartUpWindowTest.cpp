#include "gui/records/CompanyPage.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/TMainFrm.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    return nullptr;
}

class StartUpWindowTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;

    QStringList menuTexts(QMenu* menu) {
        QStringList texts;
        for (QAction* a : menu->actions())
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return texts;
    }
};

TEST_F(StartUpWindowTest, EmptyFolderOpensOnAnEmptyCompanyPage) {
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    for (const char* folder :
         {"data", "companies", "cat", "sites", "sites/updates", "files", "reports", "images"})
        EXPECT_TRUE(QFileInfo(ws.path(folder)).isDir()) << folder;
    EXPECT_EQ(w->windowTitle(), "Shipkit 2.04");
    EXPECT_EQ(w->PageControl1()->currentIndex(), 0);
    CompanyPage* page = w->companyPage();
    EXPECT_EQ(page->compname()->count(), 0);
    EXPECT_EQ(page->compname()->currentText(), "");
    for (int f = CompanyRecord::CONTACT; f < CompanyRecord::FieldCount; ++f)
        EXPECT_EQ(page->field(static_cast<CompanyRecord::Field>(f))->text(), "");
    EXPECT_FALSE(app.session().CompanyUnsaved);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(StartUpWindowTest, FirstCompanyAndApplicationAreShownAndSaved) {
    ws.write("companies/companies.dat", "Zed\r\nacme\r\n");
    ws.write("companies/acme.dat",
             "[COMPANY]\r\nCONAME=acme\r\nCONTACT=Ann Lee\r\nCURL=x.example\r\n");
    ws.write("data/acme Apps.dat", "Tool\r\n");
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    app.mainWindow()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainWindow()));
    CompanyPage* page = app.mainWindow()->companyPage();
    ASSERT_EQ(page->compname()->count(), 2);
    EXPECT_EQ(page->compname()->itemText(0), "acme");
    EXPECT_EQ(page->compname()->currentText(), "acme");
    EXPECT_EQ(page->field(CompanyRecord::CONTACT)->text(), "Ann Lee");
    EXPECT_EQ(page->field(CompanyRecord::CURL)->text(), "x.example");
    EXPECT_EQ(app.session().appText(), "Tool");
    // The show handler clears what loading marked.
    EXPECT_FALSE(app.session().CompanyUnsaved);
    EXPECT_FALSE(app.session().AppUnsaved);
}

TEST_F(StartUpWindowTest, SplashStaysAtLeastItsMinimumTime) {
    QElapsedTimer timer;
    timer.start();
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    EXPECT_GE(timer.elapsed(), 290);
    QWidget* splash = topLevel("TSplashForm");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    app.mainWindow()->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(topLevel("TSplashForm"), nullptr) << "the show handler frees the splash";
}

TEST_F(StartUpWindowTest, UnreadableCompanyListFailsWithoutAMainWindowShown) {
    QDir().mkpath(ws.path("companies/companies.dat"));
    ShipkitApp app(ws.dir(), &prompter);
    EXPECT_FALSE(app.start());
    EXPECT_FALSE(app.mainWindow()->isVisible());
    EXPECT_EQ(topLevel("TSplashForm"), nullptr);
}

TEST_F(StartUpWindowTest, PagesSubPagesAndMenus) {
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    QTabWidget* pages = w->PageControl1();
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions,
              (QStringList{"Company Info", "App Info", "Sites", "Submit", "Site Builder"}));
    EXPECT_EQ(pages->widget(4)->objectName(), "SiteBuilderSheet");
    EXPECT_EQ(menuTexts(w->fileMenu()),
              (QStringList{"&Settings", "&View Reports", "&Check Site Engines\u2026", "-",
                           "&Update Data Files", "-", "Default FTP Script", "Default Email Scripts",
                           "-", "E&xit"}));
    EXPECT_EQ(menuTexts(w->helpMenu()),
              (QStringList{"&Help", "Shipkit Home Page", "Tallmark Home Page", "&About"}));
    auto* about = w->findChild<QAction*>("About2");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->shortcut(), QKeySequence("Ctrl+A"));
}

TEST_F(StartUpWindowTest, ExitClosesTheWindow) {
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->findChild<QAction*>("exitpd")->trigger();
    EXPECT_FALSE(w->isVisible());
}

} // namespace
