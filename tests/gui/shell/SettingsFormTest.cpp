#include "base/Clock.h"
#include "gui/shell/TSettingsForm.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/FileSizeLimit.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SettingsFormTest : public ::testing::Test, protected SessionFixture {
protected:
    std::unique_ptr<TSettingsForm> form;

    void open() {
        form = std::make_unique<TSettingsForm>(session);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename T> T* find(const char* name) {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    QSpinBox* spin(const char* name) { return find<QSpinBox>(name); }
    void retype(const char* name, const QString& text) {
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), text);
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
};

TEST_F(SettingsFormTest, CaptionPageGroupsAndRanges) {
    open();
    EXPECT_EQ(form->windowTitle(), "Settings");
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "fixed size";
    auto* pages = form->findChild<QTabWidget*>();
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 1);
    EXPECT_EQ(pages->tabText(0), "Settings");
    QStringList groups;
    for (QGroupBox* g : form->findChildren<QGroupBox*>())
        groups << g->title();
    for (const char* title : {"Your SMTP Server:", "Your E-Mail Address:", "Your Name:",
                              "Proxy Server (If any):", "FTP Settings:", "HTTP Settings:"})
        EXPECT_TRUE(groups.contains(title)) << title;
    QStringList labels;
    for (QLabel* l : form->findChildren<QLabel*>())
        labels << l->text();
    for (const char* text :
         {"Proxy Port:", "Maximum retries if contact failure:", "Time out Seconds:"})
        EXPECT_TRUE(labels.contains(text)) << text;
    EXPECT_EQ(spin("MaxRetrySpin")->minimum(), 0);
    EXPECT_EQ(spin("MaxRetrySpin")->maximum(), 50);
    EXPECT_EQ(spin("HTTPTimeOutSpin")->minimum(), 10);
    EXPECT_EQ(spin("HTTPTimeOutSpin")->maximum(), 60);
    EXPECT_EQ(spin("FTPTimeOutSpin")->minimum(), 5);
    EXPECT_EQ(spin("FTPTimeOutSpin")->maximum(), 600);
    EXPECT_EQ(spin("FTPTimeOutSpin")->parentWidget()->property("title"), "FTP Settings:");
    EXPECT_EQ(spin("SMTPTimeOutSpin")->minimum(), 5);
    EXPECT_EQ(spin("SMTPTimeOutSpin")->maximum(), 600);
    EXPECT_EQ(spin("SMTPTimeOutSpin")->parentWidget()->property("title"), "Your SMTP Server:");
    EXPECT_EQ(find<QPushButton>("OkBtn")->text(), "Ok");
    EXPECT_TRUE(find<QPushButton>("OkBtn")->isDefault());
    EXPECT_EQ(find<QPushButton>("CancelBtn")->text(), "Cancel");
}

TEST_F(SettingsFormTest, MissingFileShowsTheDefaults) {
    open();
    for (const char* name : {"smtpedit", "emailedit", "nameedit", "proxyedit"})
        EXPECT_EQ(edit(name)->text(), "") << name;
    EXPECT_EQ(edit("portedit")->text(), "80");
    EXPECT_EQ(spin("MaxRetrySpin")->value(), 3);
    EXPECT_EQ(spin("HTTPTimeOutSpin")->value(), 60);
    EXPECT_EQ(spin("FTPTimeOutSpin")->value(), 60);
    EXPECT_EQ(spin("SMTPTimeOutSpin")->value(), 60);
    EXPECT_FALSE(ws.exists("settings.dat"));
}

TEST_F(SettingsFormTest, OpeningReadsTheFileIntoTheHeldValues) {
    ws.write("settings.dat", "[SETTINGS]\r\nSMTP=mail.example\r\nEMAIL=me@example\r\nNAME=Me\r\n"
                             "PROXY=proxy.example\r\nPORT=3128\r\nHTTPTimeOut=0x1E\r\n");
    session.settings.SmtpServer = "stale";
    session.settings.UseGridLines = true;
    open();
    EXPECT_EQ(edit("smtpedit")->text(), "mail.example");
    EXPECT_EQ(edit("emailedit")->text(), "me@example");
    EXPECT_EQ(edit("nameedit")->text(), "Me");
    EXPECT_EQ(edit("proxyedit")->text(), "proxy.example");
    EXPECT_EQ(edit("portedit")->text(), "3128");
    EXPECT_EQ(spin("HTTPTimeOutSpin")->value(), 30) << "hexadecimal 0x1E";
    EXPECT_EQ(session.settings.SmtpServer, "mail.example");
    EXPECT_EQ(session.settings.HttpTimeOut, 30);
    EXPECT_TRUE(session.settings.UseGridLines) << "the grid lines belong to the Sites page";
}

TEST_F(SettingsFormTest, RetriesOutOfRangeShowAndSaveAsTheBound) {
    ws.write("settings.dat", "[SETTINGS]\r\nFTPRetries=80\r\nHTTPTimeOut=5\r\nFTPTimeOut=2\r\n"
                             "SMTPTimeOut=700\r\n");
    open();
    EXPECT_EQ(spin("MaxRetrySpin")->value(), 50);
    EXPECT_EQ(spin("HTTPTimeOutSpin")->value(), 10);
    EXPECT_EQ(spin("FTPTimeOutSpin")->value(), 5);
    EXPECT_EQ(spin("SMTPTimeOutSpin")->value(), 600);
    click("OkBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(ws.read("settings.dat"), "[SETTINGS]\r\nFTPRetries=50\r\nHTTPTimeOut=10\r\n"
                                       "FTPTimeOut=5\r\nSMTPTimeOut=600\r\nSMTP=\r\nEMAIL=\r\n"
                                       "NAME=\r\nPROXY=\r\nPORT=80\r\n");
    EXPECT_EQ(session.settings.FtpRetries, 50);
    EXPECT_EQ(session.settings.FtpTimeOut, 5);
    EXPECT_EQ(session.settings.SmtpTimeOut, 600);
}

TEST_F(SettingsFormTest, OkStoresEveryControlInOrderAndKeepsTheGridLinesKey) {
    ws.write("settings.dat", "[SETTINGS]\r\nUseGridLines=1\r\n");
    open();
    retype("smtpedit", "smtp.example");
    retype("emailedit", "me@example");
    retype("nameedit", "Ann Lee");
    retype("proxyedit", "proxy.example");
    retype("portedit", "8080");
    QTest::keyClick(spin("MaxRetrySpin"), Qt::Key_Up);
    QTest::keyClick(spin("MaxRetrySpin"), Qt::Key_Up);
    QTest::keyClick(spin("HTTPTimeOutSpin"), Qt::Key_PageDown);
    QTest::keyClick(spin("FTPTimeOutSpin"), Qt::Key_Up);
    QTest::keyClick(spin("SMTPTimeOutSpin"), Qt::Key_Down);
    click("OkBtn");
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_EQ(ws.read("settings.dat"),
              "[SETTINGS]\r\nUseGridLines=1\r\nSMTP=smtp.example\r\nEMAIL=me@example\r\n"
              "NAME=Ann Lee\r\nPROXY=proxy.example\r\nPORT=8080\r\nFTPRetries=5\r\n"
              "HTTPTimeOut=50\r\nFTPTimeOut=61\r\nSMTPTimeOut=59\r\n");
    EXPECT_EQ(session.settings.SmtpServer, "smtp.example");
    EXPECT_EQ(session.settings.SenderEmail, "me@example");
    EXPECT_EQ(session.settings.SenderName, "Ann Lee");
    EXPECT_EQ(session.settings.ProxyHost, "proxy.example");
    EXPECT_EQ(session.settings.proxyPortNumber(), 8080);
    EXPECT_EQ(session.settings.FtpRetries, 5);
    EXPECT_EQ(session.settings.HttpTimeOut, 50);
    EXPECT_EQ(session.settings.FtpTimeOut, 61);
    EXPECT_EQ(session.settings.SmtpTimeOut, 59);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(SettingsFormTest, CancelAfterEditingEverythingChangesNothing) {
    const QByteArray stored = "[SETTINGS]\r\nSMTP=a\r\nEMAIL=b\r\nNAME=c\r\nPROXY=\r\nPORT=80\r\n"
                              "FTPRetries=80\r\nHTTPTimeOut=45\r\nFTPTimeOut=900\r\n"
                              "SMTPTimeOut=2\r\n";
    ws.write("settings.dat", stored);
    open();
    const Settings held = session.settings;
    for (const char* name : {"smtpedit", "emailedit", "nameedit", "proxyedit", "portedit"})
        retype(name, "9");
    QTest::keyClick(spin("MaxRetrySpin"), Qt::Key_Down);
    QTest::keyClick(spin("HTTPTimeOutSpin"), Qt::Key_Down);
    QTest::keyClick(spin("FTPTimeOutSpin"), Qt::Key_Down);
    QTest::keyClick(spin("SMTPTimeOutSpin"), Qt::Key_Up);
    click("CancelBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_EQ(ws.read("settings.dat"), stored);
    EXPECT_EQ(session.settings.SmtpServer, held.SmtpServer);
    EXPECT_EQ(session.settings.ProxyPort, held.ProxyPort);
    EXPECT_EQ(session.settings.FtpRetries, 80) << "the stored value until Ok saves the bound";
    EXPECT_EQ(session.settings.HttpTimeOut, 45);
    EXPECT_EQ(session.settings.FtpTimeOut, 900);
    EXPECT_EQ(session.settings.SmtpTimeOut, 2);
}

TEST_F(SettingsFormTest, EscapeClosesWithoutWriting) {
    open();
    retype("smtpedit", "x");
    QTest::keyClick(edit("smtpedit"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(ws.exists("settings.dat"));
}

TEST_F(SettingsFormTest, BadProxyPortIsRefusedAndNothingIsWritten) {
    const QByteArray stored = "[SETTINGS]\r\nPORT=80\r\n";
    ws.write("settings.dat", stored);
    open();
    retype("smtpedit", "smtp.example");
    for (const char* port : {"70000", "8o", "", "-1"}) {
        prompter.shown.clear();
        retype("portedit", port);
        click("OkBtn");
        EXPECT_EQ(prompter.shown,
                  QStringList{"message: The proxy port must be a whole number from 0 to 65535."})
            << port;
        EXPECT_TRUE(form->isVisible()) << port;
        EXPECT_EQ(ws.read("settings.dat"), stored) << port;
        EXPECT_EQ(session.settings.SmtpServer, "") << port;
    }
    retype("portedit", "65535");
    click("OkBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(session.settings.ProxyPort, "65535");
}

TEST_F(SettingsFormTest, WriteFailureIsShownAndTheDialogStaysOpen) {
    open();
    retype("smtpedit", "smtp.example");
    {
        const FileSizeLimit fullDisk(16);
        click("OkBtn");
    }
    EXPECT_EQ(prompter.shown, QStringList{"handler: Unable to write to " + ws.path("settings.dat") +
                                          ": File too large"});
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(session.settings.SmtpServer, "");
}

} // namespace

TEST_F(SettingsFormTest, SecureConnectionsAreStoredOnlyOnceUsedAndThePasswordIsHidden) {
    ws.write("settings.dat", "[SETTINGS]\r\nSMTPSECURITY=starttsl\r\n");
    open();
    auto* security = find<QComboBox>("smtpsecuritycombo");
    EXPECT_EQ(security->currentText(), "starttsl") << "a stored word shows as it is";
    EXPECT_EQ(edit("smtppasswordedit")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(find<QPushButton>("CaFileBrowseBtn")->text(), "Browse...");
    security->setCurrentText("tls");
    retype("smtpuseredit", "shipper");
    retype("smtppasswordedit", "pa55");
    retype("cafileedit", "/etc/shipkit/ca.pem");
    click("OkBtn");
    EXPECT_EQ(ws.read("settings.dat"),
              "[SETTINGS]\r\nSMTPSECURITY=tls\r\nSMTP=\r\nEMAIL=\r\nNAME=\r\nPROXY=\r\nPORT=80\r\n"
              "FTPRetries=3\r\nHTTPTimeOut=60\r\nFTPTimeOut=60\r\nSMTPTimeOut=60\r\n"
              "SMTPUSER=shipper\r\n"
              "SMTPPASSWORD=pa55\r\nCAFILE=/etc/shipkit/ca.pem\r\n");
    EXPECT_EQ(session.settings.SmtpSecurity, "tls");
    EXPECT_EQ(session.settings.SmtpUser, "shipper");
    EXPECT_EQ(session.settings.SmtpPassword, "pa55");
    EXPECT_EQ(session.settings.CaFile, "/etc/shipkit/ca.pem");
}
