// "&Update Data Files" on the real window and dialog, against Python's http.server serving an
// archive made here.
#include "gui/controls/LedDigitPanel.h"
#include "gui/records/CompanyPage.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/ShipkitApplication.h"
#include "gui/shell/TMainFrm.h"
#include "support/FakeTcpServer.h"
#include "support/NetServerProcess.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"
#include "support/ZipForge.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the check once the modal window with the given name is up (the command waits in exec).
void whenModal(const QString& name, std::function<void(QWidget*)> check, int triesLeft = 500) {
    QTimer::singleShot(10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            return check(modal);
        if (triesLeft > 0)
            return whenModal(name, check, triesLeft - 1);
        // Whatever else holds the command must not hang the test.
        ADD_FAILURE() << "no modal window " << name.toStdString();
        if (modal)
            modal->close();
    });
}

class UpdateDataFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(forgeZip(m_served.path("sksites.zip"),
                             "add('Sites.dat', b'Alpha\\r\\n'); add('Alpha.ini', b'[SETTINGS]'); "
                             "add('Alpha Cat1.cat', b'1\">One')"));
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/NetHttpServer.py"),
                        QStringLiteral("%PORT%"), m_served.dir()});
        ASSERT_TRUE(m_server->start(QByteArray())) << m_server->log().toStdString();
        m_ws.write("companies/companies.dat", "Acme\r\n");
        m_ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\n");
        m_ws.write("sites/Sites.dat", "Old\r\n");
    }
    void TearDown() override { shipkitApp()->setErrorPrompter(nullptr); }
    static ShipkitApplication* shipkitApp() { return static_cast<ShipkitApplication*>(qApp); }

    QString served(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path);
    }

    void start(const QString& url) {
        m_ws.write("settings.dat", "[SETTINGS]\r\nUPDATEURL=" + url.toUtf8() + "\r\n");
        shipkitApp()->setErrorPrompter(&m_prompter);
        m_app = std::make_unique<ShipkitApp>(m_ws.dir(), &m_prompter);
        ASSERT_TRUE(m_app->start());
        m_window = m_app->mainWindow();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window));
        m_prompter.shown.clear();
    }

    void chooseUpdate() { m_window->findChild<QAction*>("Mnu_UpdateData")->trigger(); }

    TempWorkspace m_served;
    TempWorkspace m_ws;
    std::unique_ptr<NetServerProcess> m_server;
    ScriptedPrompter m_prompter;
    std::unique_ptr<ShipkitApp> m_app;
    TMainFrm* m_window = nullptr;
};

TEST_F(UpdateDataFilesTest, InstallsAsksForTheRestartAndClosesAfterTheSaveQuestions) {
    start(served("/sksites.zip"));
    m_window->companyPage()->field(CompanyRecord::CONTACT)->setText("Edited");
    m_app->session().EngineUnsaved = true;
    QStringList seen;
    whenModal("Tgeteng", [&](QWidget* dialog) {
        seen << dialog->windowTitle() << dialog->findChild<QLabel*>("Label4")->text();
        dialog->findChild<QPushButton*>("Button1")->click();
        seen << dialog->findChild<QLabel*>("Label4")->text()
             << QString::number(dialog->findChild<LedDigitPanel*>("percent")->value());
    });
    m_prompter.answers = {Prompter::Answer::No};
    chooseUpdate();
    EXPECT_EQ(seen, (QStringList{"Update Data Files", "Status:", "Data Update Complete", "100"}));
    EXPECT_EQ(
        m_prompter.shown,
        (QStringList{"message: Data File Update Complete", "message: You must now restart Shipkit!",
                     "confirm: Would you like to save Changed Company Info?"}));
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_ws.read("sites/Sites.dat"), "Alpha\r\n");
    EXPECT_EQ(m_ws.read("sites/Alpha.ini"), "[SETTINGS]");
    EXPECT_EQ(m_ws.read("cat/Alpha Cat1.cat"), "1\">One");
    EXPECT_FALSE(m_ws.read("companies/Acme.dat").contains("Edited"));
}

TEST_F(UpdateDataFilesTest, FailedDownloadKeepsTheDialogAndTheWindow) {
    start(served("/missing.zip"));
    m_ws.write("sites/updates/left-over.ini", "x");
    bool emptiedOnOpening = false, startAgain = false;
    whenModal("Tgeteng", [&](QWidget* dialog) {
        emptiedOnOpening = !m_ws.exists("sites/updates/left-over.ini");
        auto* button = dialog->findChild<QPushButton*>("Button1");
        button->click();
        startAgain = button->isEnabled() && dialog->isVisible();
        static_cast<QDialog*>(dialog)->reject();
    });
    chooseUpdate();
    EXPECT_TRUE(emptiedOnOpening);
    EXPECT_TRUE(startAgain);
    ASSERT_EQ(m_prompter.shown.size(), 1);
    EXPECT_TRUE(m_prompter.shown[0].startsWith("error: The site data update failed and installed "
                                               "nothing"));
    EXPECT_TRUE(m_prompter.shown[0].contains("151: 404")) << m_prompter.shown[0].toStdString();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_ws.read("sites/Sites.dat"), "Old\r\n");
}

TEST_F(UpdateDataFilesTest, ClosingDuringTheDownloadStopsItQuietly) {
    FakeTcpServer silent;
    start(QStringLiteral("http://127.0.0.1:%1/sksites.zip").arg(silent.port()));
    bool closedQuietly = false;
    whenModal("Tgeteng", [&](QWidget* dialog) {
        // The close comes while the download waits for the silent server.
        silent.setOnConnect([dialog](QTcpSocket*) {
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->reject(); });
        });
        dialog->findChild<QPushButton*>("Button1")->click();
        closedQuietly = !dialog->isVisible();
    });
    chooseUpdate();
    EXPECT_TRUE(closedQuietly);
    EXPECT_EQ(silent.connectionCount(), 1);
    EXPECT_TRUE(m_prompter.shown.isEmpty()) << m_prompter.shown.join('\n').toStdString();
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_ws.read("sites/Sites.dat"), "Old\r\n");
    EXPECT_TRUE(QDir(m_ws.path("sites/updates")).isEmpty());
}

} // namespace
