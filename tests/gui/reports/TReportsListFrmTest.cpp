#include "gui/reports/TReportsListFrm.h"
#include "base/ShipkitError.h"
#include "gui/shell/ShipkitApplication.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TReportsListFrmTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    QStringList opened;
    std::unique_ptr<TReportsListFrm> dlg;

    void SetUp() override { shipkitApp()->setErrorPrompter(&prompter); }
    void TearDown() override { shipkitApp()->setErrorPrompter(nullptr); }
    static ShipkitApplication* shipkitApp() { return static_cast<ShipkitApplication*>(qApp); }

    TReportsListFrm::Launcher launcher() {
        return [this](const QString& url) { opened << url; };
    }
    void run(const QString& app, const QString& stamp) {
        ws.write("reports/" + app + "/" + stamp + "/MainReport.htm", "main");
        ws.write("reports/" + app + "/" + stamp + "/LogReport.htm", "log");
    }
    void open() {
        QDir().mkpath(ws.path("reports"));
        dlg = std::make_unique<TReportsListFrm>(ws.path("reports/"), prompter, launcher());
        if (dlg->NoReports())
            return;
        dlg->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    }
    QStringList items() const {
        QStringList names;
        for (int i = 0; i < dlg->RepListBox()->count(); ++i)
            names << dlg->RepListBox()->item(i)->text();
        return names;
    }
    QString selected() const {
        const QListWidgetItem* item = dlg->RepListBox()->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void choose(const QString& name) {
        const auto found = dlg->RepListBox()->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        dlg->RepListBox()->setCurrentItem(found.first());
    }
};

TEST_F(TReportsListFrmTest, OpensOnTheApplicationsWithTheFirstSelected) {
    run("Zed Tool", "1998-03-07-09-05-02-07");
    run("Acme Tool", "1998-03-07-09-05-02-07");
    open();
    EXPECT_EQ(dlg->windowTitle(), "Submission Reports");
    EXPECT_FALSE(dlg->NoReports());
    EXPECT_FALSE(dlg->AtRunLevel());
    EXPECT_EQ(items(), (QStringList{"Acme Tool", "Zed Tool"}));
    EXPECT_EQ(selected(), "Acme Tool");
    EXPECT_FALSE(dlg->UpBtn()->isEnabled());
    EXPECT_EQ(dlg->findChild<QPushButton*>("GoBtn")->text(), "GO");
    EXPECT_EQ(dlg->findChild<QPushButton*>("UpBtn")->text(), "UP");
    EXPECT_EQ(dlg->findChild<QPushButton*>("DeleteBtn")->text(), "Delete");
    EXPECT_EQ(dlg->findChild<QPushButton*>("CancelBtn")->text(), "Cancel");
}

TEST_F(TReportsListFrmTest, GoEntersTheRunsAndUpReturns) {
    run("Tool", "1998-03-07-09-05-02-07");
    run("Tool", "1998-03-08-10-00-00-00");
    run("Other", "1998-03-07-09-05-02-07");
    open();
    choose("Tool");
    click(dlg->GoBtn());
    EXPECT_TRUE(dlg->AtRunLevel());
    EXPECT_EQ(dlg->SelectedApp(), "Tool");
    EXPECT_EQ(items(), (QStringList{"1998-03-07-09-05-02-07", "1998-03-08-10-00-00-00"}));
    EXPECT_EQ(selected(), "1998-03-07-09-05-02-07");
    EXPECT_TRUE(dlg->UpBtn()->isEnabled());
    EXPECT_EQ(dlg->findChild<QLabel*>("LevelLbl")->text(), "Runs of Tool:");

    click(dlg->UpBtn());
    EXPECT_FALSE(dlg->AtRunLevel());
    EXPECT_FALSE(dlg->UpBtn()->isEnabled());
    EXPECT_EQ(items(), (QStringList{"Other", "Tool"}));
    EXPECT_EQ(selected(), "Other");
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(TReportsListFrmTest, GoOnARunOpensItsMainReportAndCloses) {
    run("My Tool", "1998-03-07-09-05-02-07");
    open();
    click(dlg->GoBtn());
    click(dlg->GoBtn());
    EXPECT_EQ(opened, QStringList{"file://" + ws.dir() +
                                  "reports/My%20Tool/1998-03-07-09-05-02-07/MainReport.htm"});
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
}

TEST_F(TReportsListFrmTest, DoubleClickActsAsGo) {
    run("Tool", "1998-03-07-09-05-02-07");
    open();
    QListWidget* list = dlg->RepListBox();
    const QPoint centre = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_TRUE(dlg->AtRunLevel());
    EXPECT_EQ(items(), QStringList{"1998-03-07-09-05-02-07"});
}

TEST_F(TReportsListFrmTest, ABrowserThatCannotStartIsReportedAndTheDialogStays) {
    run("Tool", "1998-03-07-09-05-02-07");
    QDir().mkpath(ws.path("reports"));
    dlg = std::make_unique<TReportsListFrm>(ws.path("reports/"), prompter, [](const QString&) {
        throw ShipkitError("Couldn't launch default browser");
    });
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    click(dlg->GoBtn());
    click(dlg->GoBtn());
    EXPECT_EQ(prompter.shown, QStringList{"handler: Couldn't launch default browser"});
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(TReportsListFrmTest, AnApplicationWithoutRunsSaysNoReportsFoundAndStays) {
    QDir().mkpath(ws.path("reports/Empty"));
    run("Tool", "1998-03-07-09-05-02-07");
    open();
    click(dlg->GoBtn());
    EXPECT_EQ(prompter.shown, QStringList{"message: No Reports Found"});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_FALSE(dlg->AtRunLevel());
    EXPECT_TRUE(dlg->UpBtn()->isEnabled());
    EXPECT_EQ(items(), (QStringList{"Empty", "Tool"}));
    EXPECT_EQ(selected(), "Empty");
}

TEST_F(TReportsListFrmTest, NothingToListSaysNoReportsFoundInsteadOfTheDialog) {
    QDir().mkpath(ws.path("reports/.hidden/run"));
    ws.write("reports/loose.htm", "x");
    bool dialogShown = false;
    QTimer guard; // dies with the test, so it cannot fire into a later one
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            dialogShown = true;
            modal->close();
        }
    });
    guard.start(2000);
    TReportsListFrm::showReports(ws.path("reports/"), prompter, launcher());
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(prompter.shown, QStringList{"message: No Reports Found"});
    EXPECT_EQ(prompter.beeps, 1);
}

TEST_F(TReportsListFrmTest, TheMenuCommandShowsTheDialogModallyWhenThereAreReports) {
    run("Tool", "1998-03-07-09-05-02-07");
    QString title;
    QTimer answer; // dies with the test, so it cannot fire into a later one
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<TReportsListFrm*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        title = modal->windowTitle();
        QTest::mouseClick(modal->CancelBtn(), Qt::LeftButton);
    });
    answer.start(0);
    TReportsListFrm::showReports(ws.path("reports/"), prompter, launcher());
    EXPECT_EQ(title, "Submission Reports");
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(TReportsListFrmTest, DeleteRunAsksAndNoKeepsIt) {
    run("Tool", "1998-03-07-09-05-02-07");
    open();
    click(dlg->GoBtn());
    prompter.answers = {Prompter::Answer::No};
    click(dlg->DeleteBtn());
    EXPECT_EQ(prompter.shown, QStringList{"confirm: Delete the selected report?"});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_TRUE(ws.exists("reports/Tool/1998-03-07-09-05-02-07/MainReport.htm"));
    EXPECT_TRUE(dlg->AtRunLevel());
}

TEST_F(TReportsListFrmTest, DeleteRunYesRemovesItAndTheLastReturnsToTheApplications) {
    run("Tool", "1998-03-07-09-05-02-07");
    run("Tool", "1998-03-08-10-00-00-00");
    open();
    click(dlg->GoBtn());
    choose("1998-03-08-10-00-00-00");
    prompter.answers = {Prompter::Answer::Yes};
    click(dlg->DeleteBtn());
    EXPECT_FALSE(ws.exists("reports/Tool/1998-03-08-10-00-00-00"));
    EXPECT_EQ(items(), QStringList{"1998-03-07-09-05-02-07"});
    EXPECT_EQ(selected(), "1998-03-07-09-05-02-07");
    EXPECT_TRUE(dlg->AtRunLevel());

    prompter.answers = {Prompter::Answer::Yes};
    click(dlg->DeleteBtn());
    EXPECT_FALSE(dlg->AtRunLevel());
    EXPECT_FALSE(dlg->UpBtn()->isEnabled());
    EXPECT_EQ(items(), QStringList{"Tool"}); // the emptied application folder stays
    EXPECT_EQ(prompter.busyDepth, 0);
}

TEST_F(TReportsListFrmTest, DeleteApplicationAsksAndNoKeepsIt) {
    run("Tool", "1998-03-07-09-05-02-07");
    open();
    prompter.answers = {Prompter::Answer::No};
    click(dlg->DeleteBtn());
    EXPECT_EQ(prompter.shown, QStringList{"confirm: Delete all reports for selected site?"});
    EXPECT_TRUE(ws.exists("reports/Tool/1998-03-07-09-05-02-07/MainReport.htm"));
}

TEST_F(TReportsListFrmTest, DeleteApplicationYesRemovesItAndTheLastClosesTheDialog) {
    run("Tool", "1998-03-07-09-05-02-07");
    run("Tool", "1998-03-08-10-00-00-00");
    run("Other", "1998-03-07-09-05-02-07");
    open();
    choose("Tool");
    prompter.answers = {Prompter::Answer::Yes};
    click(dlg->DeleteBtn());
    EXPECT_FALSE(ws.exists("reports/Tool"));
    EXPECT_EQ(items(), QStringList{"Other"});
    EXPECT_EQ(selected(), "Other");
    EXPECT_TRUE(dlg->isVisible());

    prompter.answers = {Prompter::Answer::Yes};
    click(dlg->DeleteBtn());
    EXPECT_FALSE(ws.exists("reports/Other"));
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(TReportsListFrmTest, CancelCloses) {
    run("Tool", "1998-03-07-09-05-02-07");
    open();
    click(dlg->CancelBtn());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(TReportsListFrmTest, ALongApplicationNameDoesNotWidenTheDialog) {
    const QString name = QString(120, u'W');
    run(name, "1998-03-07-09-05-02-07");
    open();
    const QSize before = dlg->size();
    click(dlg->GoBtn());
    QApplication::processEvents();
    EXPECT_EQ(dlg->size(), before);
    EXPECT_LT(dlg->findChild<QLabel*>("LevelLbl")->text().size(), name.size());
}

} // namespace
