#include "gui/records/CompanyPage.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "gui/submit/SubmitPage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Records the pages the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

class MainWindowRulesTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    std::unique_ptr<ShipkitApp> app;
    TMainFrm* w = nullptr;

    void TearDown() override { shipkitApp()->setErrorPrompter(nullptr); }
    static ShipkitApplication* shipkitApp() { return static_cast<ShipkitApplication*>(qApp); }

    void start() {
        shipkitApp()->setErrorPrompter(&prompter);
        app = std::make_unique<ShipkitApp>(ws.dir(), &prompter);
        ASSERT_TRUE(app->start());
        w = app->mainWindow();
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        prompter.shown.clear();
    }
    void clickTab(int index) {
        QTabBar* bar = w->PageControl1()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    void withCompanyAndApp() {
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
    }
};

TEST_F(MainWindowRulesTest, AppInfoWithoutCompanyReturnsAndStartsNewCompany) {
    start();
    prompter.names = {std::nullopt};
    clickTab(Session::AppInfo);
    EXPECT_EQ(w->PageControl1()->currentIndex(), Session::CompanyInfo);
    EXPECT_EQ(prompter.shown,
              (QStringList{"error: You have not entered your company info. Please do so now!",
                           "name: New Company Name"}));
}

TEST_F(MainWindowRulesTest, SitesWithoutApplicationShowsAppInfo) {
    ws.write("companies/companies.dat", "Acme\r\n");
    start();
    clickTab(Session::Sites);
    EXPECT_EQ(w->PageControl1()->currentIndex(), Session::AppInfo);
    EXPECT_EQ(prompter.shown, QStringList{"error: You have not entered or selected an "
                                          "application yet. Please do so now!"});
}

TEST_F(MainWindowRulesTest, SitesWithCompanyAndApplicationStays) {
    withCompanyAndApp();
    start();
    clickTab(Session::Sites);
    EXPECT_EQ(w->PageControl1()->currentIndex(), Session::Sites);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(MainWindowRulesTest, PostingModeLocksPagesMenusAndButtons) {
    withCompanyAndApp();
    start();
    SubmitPage* submit = w->submitPage();
    EXPECT_TRUE(submit->submitBtn()->isEnabled());
    EXPECT_FALSE(submit->skipBtn()->isEnabled());
    EXPECT_FALSE(submit->cancelBtn()->isEnabled());
    w->setPostingMode(true);
    EXPECT_FALSE(w->fileMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(w->helpMenu()->menuAction()->isEnabled());
    EXPECT_FALSE(w->findChild<QAction*>("Mnu_ViewReports")->isEnabled());
    for (QPushButton* b :
         {submit->submitBtn(), submit->viewReportsBtn(), submit->printLogBtn(), submit->exitb()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(submit->skipBtn()->isEnabled());
    EXPECT_TRUE(submit->cancelBtn()->isEnabled());
    clickTab(Session::Submit);
    EXPECT_EQ(w->PageControl1()->currentIndex(), Session::CompanyInfo);
    EXPECT_EQ(prompter.shown, QStringList{"message: Tab Change Not Allowed While Posting!"});
    w->setPostingMode(false);
    EXPECT_TRUE(w->fileMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(submit->exitb()->isEnabled());
    EXPECT_FALSE(submit->skipBtn()->isEnabled());
    clickTab(Session::Submit);
    EXPECT_EQ(w->PageControl1()->currentIndex(), Session::Submit);
}

TEST_F(MainWindowRulesTest, CloseWithTwoUnsavedKindsAsksTwoQuestions) {
    withCompanyAndApp();
    start();
    w->companyPage()->field(CompanyRecord::CONTACT)->setText("New contact");
    app->session().setAppValue("VERSION", "2");
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::No};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(prompter.shown, (QStringList{"confirm: Would you like to save Changed Company Info?",
                                           "confirm: Would you like to save Tool?"}));
    EXPECT_FALSE(ws.read("companies/Acme.dat").contains("New contact"));
}

TEST_F(MainWindowRulesTest, CancelOnTheFirstQuestionKeepsTheWindowOpen) {
    withCompanyAndApp();
    start();
    w->companyPage()->field(CompanyRecord::CONTACT)->setText("x");
    app->session().setAppValue("VERSION", "2");
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(prompter.shown, QStringList{"confirm: Would you like to save Changed Company Info?"});
}

TEST_F(MainWindowRulesTest, YesSavesBeforeClosing) {
    withCompanyAndApp();
    start();
    w->companyPage()->field(CompanyRecord::CONTACT)->setText("Saved Person");
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(ws.read("companies/Acme.dat").contains("CONTACT=Saved Person\r\n"));
}

TEST_F(MainWindowRulesTest, FailedSaveOnCloseKeepsTheWindowOpen) {
    withCompanyAndApp();
    start();
    w->companyPage()->field(CompanyRecord::CONTACT)->setText("x");
    QFile::remove(ws.path("companies/Acme.dat"));
    QDir().mkpath(ws.path("companies/Acme.dat"));
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(prompter.shown.last().startsWith("handler: Unable to write to "));
}

TEST_F(MainWindowRulesTest, CompanyButtonsDriveTheCommands) {
    start();
    prompter.names = {QString("Widget Co")};
    QTest::mouseClick(w->companyPage()->newButton(), Qt::LeftButton);
    EXPECT_EQ(w->companyPage()->compname()->currentText(), "Widget Co");
    EXPECT_TRUE(ws.exists("companies/Widget Co.dat"));
    QTest::keyClicks(w->companyPage()->field(CompanyRecord::CURL), "a b.example");
    EXPECT_EQ(w->companyPage()->field(CompanyRecord::CURL)->text(), "ab.example");
    EXPECT_TRUE(app->session().CompanyUnsaved);
    QTest::mouseClick(w->companyPage()->saveButton(), Qt::LeftButton);
    EXPECT_FALSE(app->session().CompanyUnsaved);
    EXPECT_TRUE(ws.read("companies/Widget Co.dat").contains("CURL=ab.example\r\n"));
}

TEST_F(MainWindowRulesTest, CancelWhenChoosingAnotherCompanyKeepsTheSelection) {
    withCompanyAndApp();
    ws.write("companies/companies.dat", "Acme\r\nBeta\r\n");
    start();
    app->session().setAppValue("VERSION", "3");
    QComboBox* selector = w->companyPage()->compname();
    prompter.answers = {Prompter::Answer::Cancel};
    selector->setCurrentIndex(1);
    Q_EMIT selector->activated(1);
    EXPECT_EQ(selector->currentText(), "Acme");
    EXPECT_EQ(app->session().appText(), "Tool");
    prompter.answers = {Prompter::Answer::No};
    selector->setCurrentIndex(1);
    Q_EMIT selector->activated(1);
    EXPECT_EQ(app->session().companyText(), "Beta");
    EXPECT_TRUE(app->session().apps().isEmpty());
}

TEST_F(MainWindowRulesTest, HelpAndHomePagesOpenInTheBrowser) {
    start();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    w->findChild<QAction*>("ShipkitHomePage1")->trigger();
    w->findChild<QAction*>("Help1")->trigger();
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].toString(), TMainFrm::ShipkitHomePage);
    EXPECT_EQ(catcher.opened[1].toLocalFile(), ws.path("shipkit.html"));
    EXPECT_TRUE(ws.read("shipkit.html").contains("Shipkit Help"));
}

} // namespace

#include "MainWindowRulesTest.moc"
