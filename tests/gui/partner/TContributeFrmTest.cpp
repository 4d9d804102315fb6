// The contribution dialog's own rules: its looks, the contact check before anything is sent,
// and what it shows while and after sending.
#include "gui/partner/TContributeFrm.h"
#include "commands/SiteBuilderCommands.h"
#include "support/NetServerProcess.h"
#include "support/SessionFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TContributeFrmTest : public ::testing::Test, protected SessionFixture {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.LoadWorkspace());
        prompter.names.push_back(QString("My Site"));
        ASSERT_TRUE(SiteBuilderCommands(session).NewSiteBtnClick());
        setContact("Ann Lee", "ann@company.example");
        // Nothing listens there: a send is refused at once.
        session.settings.ContributeSmtp =
            QStringLiteral("127.0.0.1:%1").arg(NetServerProcess::freePort());
        form = std::make_unique<TContributeFrm>(session);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        prompter.shown.clear();
    }
    void setContact(const QString& name, const QString& address) {
        session.setCompanyField(CompanyRecord::CONTACT, name);
        session.setCompanyField(CompanyRecord::CEMAIL, address);
    }
    template <typename T> T* find(const char* name) {
        T* w = form->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    std::unique_ptr<TContributeFrm> form;
};

TEST_F(TContributeFrmTest, CaptionTextsButtonsAndTheHiddenPanel) {
    EXPECT_EQ(form->windowTitle(), "Contribute Engine to Tallmark:");
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint) << "no close box";
    EXPECT_TRUE(find<QLabel>("Label1")->isVisible());
    EXPECT_TRUE(find<QLabel>("Label2")->isVisible());
    EXPECT_FALSE(find<QLabel>("SendingPanel")->isVisible());
    EXPECT_EQ(find<QLabel>("SendingPanel")->text(), "Sending Submission. Please Wait...");
    EXPECT_EQ(find<QPushButton>("SubmitBtn")->text(), "Submit");
    EXPECT_TRUE(find<QPushButton>("SubmitBtn")->isDefault());
    EXPECT_EQ(find<QPushButton>("CancelBtn")->text(), "Cancel");
}

TEST_F(TContributeFrmTest, CancelClosesWithoutSending) {
    click("CancelBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->sent());
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(ws.exists("smlogfile.txt")) << "no mail client was made";
}

TEST_F(TContributeFrmTest, MissingContactClosesBeforeAnythingIsSent) {
    const std::pair<QString, QString> contacts[] = {
        {"", "ann@company.example"}, {"Ann Lee", ""}, {"Ann Lee", "ann at company.example"}};
    for (const auto& [name, address] : contacts) {
        SCOPED_TRACE(QString(name + " / " + address).toStdString());
        setContact(name, address);
        form->show();
        prompter.shown.clear();
        click("SubmitBtn");
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->sent());
        EXPECT_EQ(prompter.shown,
                  QStringList{"message: You do not have your company contact info filled in. "
                              "Please do so now!"});
        EXPECT_TRUE(find<QLabel>("SendingPanel")->isHidden());
        EXPECT_TRUE(find<QPushButton>("SubmitBtn")->isEnabled());
        EXPECT_FALSE(ws.exists("smlogfile.txt"));
    }
}

TEST_F(TContributeFrmTest, FailedSendIsToldOnceAndCloses) {
    click("SubmitBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    EXPECT_FALSE(form->sent());
    EXPECT_EQ(prompter.shown, QStringList{"error: ERROR -> Submission Could Not Be Sent!"});
    EXPECT_FALSE(find<QLabel>("SendingPanel")->isHidden()) << "shown while sending";
    EXPECT_TRUE(find<QLabel>("Label1")->isHidden());
    EXPECT_TRUE(find<QLabel>("Label2")->isHidden());
    EXPECT_FALSE(find<QPushButton>("SubmitBtn")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("CancelBtn")->isEnabled());
    EXPECT_EQ(prompter.busyDepth, 0) << "the cursor is back";
}

TEST_F(TContributeFrmTest, SentSiteIsThanked) {
    ws.write("inbox/.keep", QByteArray());
    NetServerProcess server(
        "/usr/bin/python3",
        {SHIPKIT_SOURCE_DIR "/tests/support/SmtpSaveServer.py", "%PORT%", ws.path("inbox")});
    ASSERT_TRUE(server.start("220")) << server.log().toStdString();
    session.settings.ContributeSmtp = QStringLiteral("127.0.0.1:%1").arg(server.port());
    click("SubmitBtn");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_TRUE(form->sent());
    EXPECT_EQ(prompter.shown, QStringList{"message: Submission Sent. Thank You!"});
    EXPECT_TRUE(ws.exists("inbox/1.eml"));
}

} // namespace
