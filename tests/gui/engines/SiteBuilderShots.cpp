#include "SiteBuilderFixture.h"
#include "gui/engines/TMatchUpFrm.h"

#include <QDir>
#include <QPushButton>

namespace {

// Pictures of the builder in the window's client area, for a person to look at; run by hand:
// SHIPKIT_SHOT_DIR=/tmp/shots gui_tests --gtest_also_run_disabled_tests --gtest_filter='*Shots*'
class SiteBuilderShots : public SiteBuilderFixture {};

TEST_F(SiteBuilderShots, DISABLED_SubPagesAndDialog) {
    const QString dir = qEnvironmentVariable("SHIPKIT_SHOT_DIR", QDir::tempPath());
    // The main window's tab control fills its 596 x 408 client area.
    QTabWidget window;
    window.addTab(new QWidget, "Company Info");
    window.addTab(page.release(), "Site Builder");
    window.setCurrentIndex(1);
    window.setFixedSize(596, 408);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* builder = window.findChild<SiteBuilderPage*>();
    builder->enterPage();
    const QStringList names = {"details", "http", "ftp", "email"};
    for (int i = 0; i < names.size(); ++i) {
        builder->subPages()->setCurrentIndex(i);
        QCoreApplication::processEvents();
        EXPECT_TRUE(window.grab().save(dir + "/sitebuilder-" + names[i] + ".png"));
    }
    builder->subPages()->setCurrentIndex(1);
    QTest::mouseClick(builder->findChild<QPushButton*>("EB_MatchUpFields"), Qt::LeftButton);
    auto* dialog = builder->findChild<TMatchUpFrm*>();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_TRUE(dialog->grab().save(dir + "/matchup.png"));
    dialog->close();
}

} // namespace
