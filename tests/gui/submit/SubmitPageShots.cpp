// Pictures of the Submit page in the middle of a run, for a person to look at: run by hand with
// SHIPKIT_SHOT_DIR set and --gtest_also_run_disabled_tests.
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/TMainFrm.h"
#include "gui/submit/SubmitPage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Method = RunView::Method;
using Led = RunView::Led;

void feedARun(RunView& view) {
    view.setPosting(true);
    view.setCounters(4, 2);
    view.setProgress(2, 4);
    view.setCurrentSite(QStringLiteral("Mailbag Software"));
    view.setStatus(Method::Ftp, QStringLiteral("Upload complete"));
    view.setLed(Method::Ftp, Led::Lit);
    view.setStatus(Method::Http, QStringLiteral("Posted, 200 OK"));
    view.setLed(Method::Http, Led::Lit);
    view.setHttpBytes(18734);
    view.setStatus(Method::Email, QStringLiteral("Sending message..."));
    view.setLed(Method::Email, Led::Blinking);
    view.setMailProgress(45, true);
    for (const char* line :
         {"220 Upload Depot FTP ready", "USER anonymous", "331 Password required", "PASS ********",
          "230 Logged in", "TYPE I", "200 Type set to I", "STOR tool.zip", "226 Transfer complete",
          "QUIT", "221 Goodbye"})
        view.AddFtpLog(QString::fromLatin1(line));
    for (int i = 0; i < 3; ++i)
        for (const char* line : {"Connected to 127.0.0.1", "Transfered: 18734bytes",
                                 "End Transfer: 127.0.0.1", "SUCCESS -> HTTP Post"})
            view.AddRunLog(QString::fromLatin1(line));
    view.AddRunLog(QStringLiteral("SKIPPED -> Lantern Shareware"));
}

TEST(SubmitPageShots, DISABLED_ARunInProgressAndTheVerification) {
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
    w->PageControl1()->setCurrentIndex(Session::Submit);
    SubmitPage* page = w->submitPage();
    QTest::qWait(50);
    EXPECT_TRUE(w->grab().save(out + "/submit-idle.png"));
    feedARun(*page);
    QTest::qWait(50);
    EXPECT_TRUE(w->grab().save(out + "/submit-running.png"));
    QTimer::singleShot(100, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            EXPECT_TRUE(modal->grab().save(out + "/submit-verify.png"));
            modal->close();
        }
    });
    page->confirmRun({4, 3, 1, 2, 1, 1, 1});
}

} // namespace
