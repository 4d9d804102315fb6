#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A save button whose write fails part-way, as on a full disk: the file keeps what it held and
// the user is told which file and why.
struct SaveButton {
    const char* name;
    const char* file;
};

void PrintTo(const SaveButton& b, std::ostream* os) {
    *os << b.name;
}

const SaveButton kButtons[] = {
    {"SaveCompanyBtn", "companies/Acme.dat"},
    {"SaveAppBtn1", "data/Tool.dat"},
};

// Notes the text of the next message box the program shows, then closes it; stops looking
// when the watcher goes.
void readNextBox(QObject* watcher, QStringList& seen, int triesLeft = 500) {
    QTimer::singleShot(10, watcher, [watcher, &seen, triesLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (triesLeft > 0)
                readNextBox(watcher, seen, triesLeft - 1);
            return;
        }
        seen << box->text();
        box->accept();
    });
}

class SaveFailureTest : public ::testing::TestWithParam<SaveButton> {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    std::unique_ptr<ShipkitApp> app;

    void TearDown() override { shipkitApp()->setErrorPrompter(nullptr); }
    static ShipkitApplication* shipkitApp() { return static_cast<ShipkitApplication*>(qApp); }
};

TEST_P(SaveFailureTest, FileStaysAndTheReasonIsShown) {
    ws.write("companies/companies.dat", "Acme\r\n");
    ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
    ws.write("data/Acme Apps.dat", "Tool\r\n");
    ws.write("data/Tool.dat", "[APPINFO]\r\nVERSION=1\r\n");
    shipkitApp()->setErrorPrompter(&prompter);
    app = std::make_unique<ShipkitApp>(ws.dir(), &prompter);
    ASSERT_TRUE(app->start());
    auto* button = app->mainWindow()->findChild<QPushButton*>(GetParam().name);
    ASSERT_NE(button, nullptr);
    const QByteArray before = ws.read(GetParam().file);
    prompter.shown.clear();
    QStringList told;
    QObject watcher;
    readNextBox(&watcher, told);
    {
        const FileSizeLimit limit(64);
        // As a user's click arrives: through the event loop, where the program's handler sits.
        QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(ws.read(GetParam().file), before);
    // A slot that catches shows a box; an error that reaches the program-wide handler goes there.
    for (const QString& line : prompter.shown)
        if (line.startsWith("handler: "))
            told << line.mid(9);
    EXPECT_EQ(told,
              QStringList{"Unable to write to " + ws.path(GetParam().file) + ": File too large"});
}

INSTANTIATE_TEST_SUITE_P(EverySaveButton, SaveFailureTest, ::testing::ValuesIn(kButtons));

} // namespace
