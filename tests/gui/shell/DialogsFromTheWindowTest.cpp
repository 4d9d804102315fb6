#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TErrorForm.h"
#include "gui/shell/TMainFrm.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Waits for the modal window with the given name, notes it and clicks one of its buttons.
void clickInModal(const QString& window, const QString& button, QStringList& seen,
                  int triesLeft = 200) {
    QTimer::singleShot(10, [=, &seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != window) {
            if (triesLeft > 0)
                clickInModal(window, button, seen, triesLeft - 1);
            return;
        }
        seen << modal->objectName();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top != modal && top->isVisible() && top->objectName() == "TAboutBox")
                seen << "TAboutBox still open";
        if (auto* b = modal->findChild<QPushButton*>(button))
            b->click();
    });
}

TEST(DialogsFromTheWindow, CtrlAOpensAboutAndItsDButtonOpensTheCheckerAfterwards) {
    TempWorkspace ws;
    ScriptedPrompter prompter;
    static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(&prompter);
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QStringList seen;
    clickInModal("TAboutBox", "EngineCheckBtn", seen);
    clickInModal("EngineCheckFrm", "ExitBtn", seen);
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(seen.size(), 2, 5000);
    EXPECT_EQ(seen, (QStringList{"TAboutBox", "EngineCheckFrm"}));
    static_cast<ShipkitApplication*>(qApp)->setErrorPrompter(nullptr);
}

TEST(DialogsFromTheWindow, ErrorBoxShowsItsLinesAndTheDefaultInstruction) {
    TErrorForm box("COMPANY NAME DUPLICATE", "The company name you entered is already on the list!",
                   QString());
    EXPECT_EQ(box.windowTitle(), "ERROR");
    EXPECT_EQ(box.findChild<QLabel*>("Line1")->text(), "COMPANY NAME DUPLICATE");
    EXPECT_EQ(box.findChild<QLabel*>("Line3")->text(), "Please click OK to continue...");
    EXPECT_TRUE(box.findChild<QLabel*>("Line3")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(box.findChild<QPushButton*>("OkBtn")->isDefault());
    TErrorForm told("A", "B", "Fix the name and try again.");
    EXPECT_EQ(told.findChild<QLabel*>("Line3")->text(), "Fix the name and try again.");
}

} // namespace
