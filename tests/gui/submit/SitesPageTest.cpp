#include "gui/submit/SitesPage.h"
#include "commands/SiteBuilderCommands.h"
#include "gui/controls/LedDigitPanel.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "gui/submit/SiteGrid.h"
#include "gui/submit/SubmitPage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SitesPageTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    std::unique_ptr<ShipkitApp> app;
    TMainFrm* w = nullptr;
    SitesPage* page = nullptr;

    void SetUp() override {
        static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(&prompter);
        ws.write("sites/Sites.dat", "Alpha\r\nBravo\r\nCharlie\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\nUSE_CAT1=1\r\nUSE_HTTP_POST=1\r\n");
        ws.write("sites/Bravo.ini", "[SETTINGS]\r\nSITE_TYPE=1\r\n");
        ws.write("sites/Charlie.ini", "[SETTINGS]\r\nUSE_EMAIL=1\r\n");
        ws.write("cat/Alpha Cat1.cat", "G\">Games\r\nU\">Utilities\r\n");
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nPLATFORM=Windows 95\r\nSTATUS=Shareware\r\n");
        app = std::make_unique<ShipkitApp>(ws.dir(), &prompter);
        ASSERT_TRUE(app->start());
        w = app->mainWindow();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        page = w->sitesPage();
        prompter.shown.clear();
    }
    void TearDown() override { static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(nullptr); }
    template <class T> T* find(const char* name) { return page->findChild<T*>(name); }
    QString cell(int row, int column) { return page->grid()->item(row, column)->text(); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
};

TEST_F(SitesPageTest, GridShowsTheRebuiltListWithCaptionsAndCounts) {
    SiteGrid* grid = page->grid();
    QStringList captions;
    for (int c = 0; c < grid->columnCount(); ++c)
        captions << grid->horizontalHeaderItem(c)->text();
    EXPECT_EQ(captions, (QStringList{"Site", "Type", "Submit", "Category1", "Category2", "H", "F",
                                     "Z", "E", "Last Post", "P"}));
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(cell(0, 3), "NOT SET!");
    EXPECT_EQ(cell(1, 1), "Free 16-32");
    EXPECT_EQ(cell(1, 10), "N");
    EXPECT_EQ(find<QLabel>("SiteGridCountLbl")->text(), "3");
    EXPECT_EQ(find<QLabel>("TotalToPostLbl")->text(), "2");
    EXPECT_EQ(w->submitPage()->SitesToPostdgt()->value(), 2);
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(SitesPageTest, DetailPanelFollowsTheSelectedRow) {
    QComboBox* cat1 = find<QComboBox>("CatCombo1");
    EXPECT_TRUE(cat1->isEnabled());
    EXPECT_EQ(cat1->count(), 2);
    EXPECT_EQ(cat1->currentText(), "Games");
    EXPECT_EQ(cell(0, 3), "NOT SET!"); // showing the first label does not pick it
    EXPECT_TRUE(find<QCheckBox>("DoPostCheckBox")->isChecked());
    click("SiteGridDownBtn");
    EXPECT_FALSE(cat1->isEnabled());
    EXPECT_FALSE(find<QCheckBox>("DoPostCheckBox")->isChecked());
    EXPECT_FALSE(app->session().SiteListChanged);
}

TEST_F(SitesPageTest, UpAndDownWrapAround) {
    click("SiteGridUpBtn");
    EXPECT_EQ(page->grid()->currentRow(), 2);
    click("SiteGridDownBtn");
    EXPECT_EQ(page->grid()->currentRow(), 0);
}

TEST_F(SitesPageTest, PostCheckBoxRefusesAnIncompatibleSite) {
    click("SiteGridDownBtn");
    QTest::mouseClick(find<QCheckBox>("DoPostCheckBox"), Qt::LeftButton);
    EXPECT_FALSE(find<QCheckBox>("DoPostCheckBox")->isChecked());
    EXPECT_EQ(cell(1, 10), "N");
    EXPECT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(app->session().SiteListChanged);
    click("SiteGridDownBtn");
    QTest::mouseClick(find<QCheckBox>("DoPostCheckBox"), Qt::LeftButton);
    EXPECT_EQ(cell(2, 10), "N");
    EXPECT_EQ(find<QLabel>("TotalToPostLbl")->text(), "1");
    EXPECT_TRUE(app->session().SiteListChanged);
}

TEST_F(SitesPageTest, RadioAndCategoryEditTheRowAndMarkTheListChanged) {
    QTest::mouseClick(find<QRadioButton>("SubmitUpdateRadio"), Qt::LeftButton);
    EXPECT_EQ(cell(0, 2), "Update");
    EXPECT_TRUE(app->session().SiteListChanged);
    QComboBox* cat1 = find<QComboBox>("CatCombo1");
    cat1->setCurrentIndex(1);
    Q_EMIT cat1->activated(1);
    EXPECT_EQ(cell(0, 3), "Utilities");
    click("AppSiteChangeBtn");
    EXPECT_FALSE(app->session().SiteListChanged);
    EXPECT_TRUE(QString::fromUtf8(ws.read("data/Tool_SITES.dat"))
                    .startsWith(QString::fromUtf8("Alpha±Update±Utilities±N/A±Unknown±Y\r\n")));
}

TEST_F(SitesPageTest, AllPostLeavesIncompatibleRowsAlone) {
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    click("AllToNoPostBtn");
    EXPECT_EQ(find<QLabel>("TotalToPostLbl")->text(), "0");
    click("AllToPostBtn");
    EXPECT_EQ(cell(0, 10), "Y");
    EXPECT_EQ(cell(1, 10), "N");
    EXPECT_EQ(cell(2, 10), "Y");
    EXPECT_EQ(find<QLabel>("TotalToPostLbl")->text(), "2");
}

TEST_F(SitesPageTest, PopupCaptionsFollowTheRow) {
    page->grid()->customContextMenuRequested(QPoint(5, 5));
    QMenu* menu = page->popupMenu();
    QStringList texts;
    for (QAction* a : menu->actions())
        texts << (a->isSeparator() ? QString("-") : a->text());
    menu->hide();
    EXPECT_EQ(texts,
              (QStringList{"Set Post To NO", "Set as Post UPDATE", "Set Last Post Date To NOW", "-",
                           "View in Site Builder", "Go To Sites URL"}));
    menu->findChild<QAction*>("SG_PopUp_AsPost")->trigger();
    EXPECT_EQ(cell(0, 2), "Update");
    EXPECT_TRUE(find<QRadioButton>("SubmitUpdateRadio")->isChecked());
}

TEST_F(SitesPageTest, GridLinesCheckBoxWritesTheSettingAtOnce) {
    EXPECT_FALSE(page->grid()->showGrid());
    QTest::mouseClick(find<QCheckBox>("UseGridLinesChk"), Qt::LeftButton);
    EXPECT_TRUE(page->grid()->showGrid());
    EXPECT_EQ(ws.read("settings.dat"), "[SETTINGS]\r\nUseGridLines=1\r\n");
}

TEST_F(SitesPageTest, GoToUrlWithoutAWebPageSaysSo) {
    click("AppSiteGoUrlBtn");
    EXPECT_EQ(prompter.shown, QStringList{"message: No URL defined for this site!"});
}

} // namespace
