// Pictures of every page for a person to look at: run by hand with SHIPKIT_SHOT_DIR set and
// --gtest_also_run_disabled_tests.
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/TMainFrm.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(MainWindowShots, DISABLED_EveryPageOnTheDemoWorkspace) {
    const QString out = qEnvironmentVariable("SHIPKIT_SHOT_DIR");
    ASSERT_FALSE(out.isEmpty()) << "set SHIPKIT_SHOT_DIR";
    TempWorkspace ws;
    ws.copyFrom(QStringLiteral(SHIPKIT_SOURCE_DIR) + "/demo");
    ScriptedPrompter prompter;
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    QTabWidget* pages = w->PageControl1();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QTest::qWait(50);
        EXPECT_TRUE(w->grab().save(out + QStringLiteral("/page%1.png").arg(i)));
        auto* sub = pages->widget(i)->findChild<QTabWidget*>();
        for (int s = 1; sub && s < sub->count(); ++s) {
            sub->setCurrentIndex(s);
            QTest::qWait(50);
            EXPECT_TRUE(w->grab().save(out + QStringLiteral("/page%1-%2.png").arg(i).arg(s)));
        }
    }
}

} // namespace
