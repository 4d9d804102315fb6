// The partner dialogs against a scripted server on loopback: the requests byte for byte, the
// accounts they list and the identifier they leave in the company.
#include "commands/CompanyCommands.h"
#include "commands/PartnerCommands.h"
#include "gui/partner/TBHSFrm.h"
#include "gui/partner/TBHSNewAccountFrm.h"
#include "support/FakeTcpServer.h"
#include "support/SessionFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QByteArray kAgent = "User-Agent: Shipkit/" SHIPKIT_VERSION "\r\n";
const QByteArray kList = "HTTP/1.0 200 OK\r\n\r\n<html>\r\n<select name=id>\r\n"
                         "<option value=\"0\">Choose your company\r\n"
                         "<option value=\"1234\">SMITH & SONS = TOOLS\r\n"
                         "<option value=\"77\">Other Co\r\n"
                         "  <option value=\"99\">Indented Inc\r\n</select>\r\n";
const QByteArray kNewId = "HTTP/1.0 200 OK\r\n\r\n<p>Welcome</p>\r\n"
                          "<input type=hidden name=id value=\"4711\">\r\n";

// Runs the check once the modal window with the given name is up.
void whenModal(const QString& name, std::function<void(QWidget*)> check, int triesLeft = 500) {
    QTimer::singleShot(10, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            return check(modal);
        if (triesLeft > 0)
            return whenModal(name, check, triesLeft - 1);
        ADD_FAILURE() << "no modal window " << name.toStdString();
        if (modal)
            modal->close();
    });
}

class BhsDialogsTest : public ::testing::Test, protected SessionFixture {
protected:
    void SetUp() override {
        const QByteArray name = "Smith & Sons = Tools";
        ws.write("companies/companies.dat", name + "\r\n");
        ws.write(QString::fromUtf8("companies/" + name + ".dat"),
                 "[COMPANY]\r\nCONAME=" + name +
                     "\r\nCADDR=1 Main St\r\nCCITY=Springfield\r\nCSTATE=OR\r\n"
                     "CCOUNTRY=USA\r\nCZIP=97477\r\nCPHONE=+1 555 0100\r\n"
                     "CCMAIL=sales@smith.example\r\nCURL=http://smith.example/\r\n");
        ASSERT_TRUE(session.LoadWorkspace());
        session.CompanyUnsaved = false;
        session.settings.PartnerUrl =
            QStringLiteral("http://127.0.0.1:%1/bhs/").arg(m_server.port());
    }

    // GET gets the list page, POST the new-account answer; an empty answer is never sent.
    void answer(const QByteArray& list, const QByteArray& created) {
        m_server.setOnData([=](QTcpSocket* socket, const QByteArray& all) {
            const QByteArray& reply = all.startsWith("GET") ? list : created;
            if (!FakeTcpServer::httpRequestComplete(all) || reply.isEmpty() ||
                socket->property("answered").toBool())
                return;
            socket->setProperty("answered", true);
            socket->write(reply);
            socket->disconnectFromHost();
        });
    }

    static QPushButton* button(QWidget* dialog, const char* name) {
        return dialog->findChild<QPushButton*>(name);
    }

    QStringList listed(const TBHSFrm& dialog) const {
        QStringList rows;
        const QTreeWidget* list = dialog.AccountList();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + u'|' + list->topLevelItem(i)->text(1);
        return rows;
    }

    QByteArray hostLine() const {
        return "Host: 127.0.0.1:" + QByteArray::number(m_server.port()) + "\r\n";
    }

    FakeTcpServer m_server;
};

TEST_F(BhsDialogsTest, BrowseListsTheAccountsAndUseSelectedStoresTheId) {
    const struct {
        int row;
        std::deque<Prompter::Answer> answers;
        QString id;
        QStringList shown;
    } cases[] = {
        {0,
         {Prompter::Answer::Yes},
         "1234",
         {"confirm: Are you currently connected to the Internet?",
          "message: Your BHS ID# is: 1234"}},
        {1,
         {Prompter::Answer::Yes, Prompter::Answer::Yes},
         "77",
         {"confirm: Are you currently connected to the Internet?",
          "confirm: The name you selected does not exactly match the name in your Shipkit "
          "company field. Do you still want to use the selected BHS company for the ID?",
          "message: Your BHS ID# is: 77"}},
        {1,
         {Prompter::Answer::Yes, Prompter::Answer::No},
         "",
         {"confirm: Are you currently connected to the Internet?",
          "confirm: The name you selected does not exactly match the name in your Shipkit "
          "company field. Do you still want to use the selected BHS company for the ID?"}},
    };
    answer(kList, QByteArray());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        prompter.shown.clear();
        prompter.answers = c.answers;
        session.setBhsId(QString());
        session.CompanyUnsaved = false;
        TBHSFrm dialog(session);
        dialog.show();
        EXPECT_FALSE(button(&dialog, "UseSelectedBtn")->isEnabled());
        QTest::mouseClick(button(&dialog, "BrowseBtn"), Qt::LeftButton);
        EXPECT_EQ(listed(dialog), (QStringList{"SMITH & SONS = TOOLS|1234", "Other Co|77"}));
        EXPECT_EQ(dialog.AccountList()->currentItem(), dialog.AccountList()->topLevelItem(0));
        EXPECT_TRUE(button(&dialog, "UseSelectedBtn")->isEnabled());
        dialog.AccountList()->setCurrentItem(dialog.AccountList()->topLevelItem(c.row));
        QTest::mouseClick(button(&dialog, "UseSelectedBtn"), Qt::LeftButton);
        EXPECT_EQ(prompter.shown, c.shown);
        EXPECT_EQ(session.company()[CompanyRecord::BHSID], c.id);
        EXPECT_EQ(session.CompanyUnsaved, !c.id.isEmpty());
        EXPECT_EQ(dialog.isVisible(), c.id.isEmpty());
    }
    EXPECT_EQ(m_server.received(0),
              "GET /bhs/additem1.asp HTTP/1.0\r\n" + hostLine() + kAgent + "\r\n");
    session.setBhsId(QStringLiteral("77"));
    CompanyCommands(session).SaveCompanyBtnClick();
    EXPECT_TRUE(ws.read("companies/Smith & Sons = Tools.dat").contains("BHSID=77\r\n"));
}

TEST_F(BhsDialogsTest, EveryBrowseFailureEndsInCouldNotConnect) {
    const QByteArray big =
        "HTTP/1.0 200 OK\r\n\r\n" + QByteArray("<option value=\"1\">Account\r\n").repeated(40000);
    const struct {
        const char* name;
        QByteArray list;
        bool shortTimer;
    } cases[] = {
        {"indented lines only", "HTTP/1.0 200 OK\r\n\r\n  <option value=\"5\">Acme\r\n", false},
        {"nothing but the placeholder", "HTTP/1.0 200 OK\r\n\r\n<option value=\"0\">-\r\n", false},
        {"404", "HTTP/1.0 404 Not Found\r\n\r\n<option value=\"5\">Acme\r\n", false},
        {"more than 1 MiB", big, false},
        {"no answer until the timer fires", QByteArray(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        answer(c.list, QByteArray());
        prompter.shown.clear();
        prompter.answers = {Prompter::Answer::Yes};
        TBHSFrm dialog(session);
        auto* timer = dialog.findChild<QTimer*>("BHSTimer");
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), 90000);
        if (c.shortTimer)
            timer->setInterval(100);
        dialog.show();
        QTest::mouseClick(button(&dialog, "BrowseBtn"), Qt::LeftButton);
        EXPECT_EQ(prompter.shown, (QStringList{"confirm: Are you currently connected to the "
                                               "Internet?",
                                               "error: Could not connect to BHS!"}));
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(timer->isActive());
    }
    EXPECT_TRUE(session.company()[CompanyRecord::BHSID].isEmpty());
}

TEST_F(BhsDialogsTest, NoToTheInternetQuestionSendsNothing) {
    answer(kList, kNewId);
    prompter.answers = {Prompter::Answer::No};
    TBHSFrm dialog(session);
    dialog.show();
    QTest::mouseClick(button(&dialog, "BrowseBtn"), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(m_server.connectionCount(), 0);
    const PartnerCommands commands(session);
    TBHSNewAccountFrm request(commands, prompter);
    request.show();
    prompter.answers = {Prompter::Answer::No};
    QTest::mouseClick(button(&request, "RequestBtn"), Qt::LeftButton);
    EXPECT_TRUE(request.isVisible());
    request.edit(BhsAccountForm::Phone)->clear();
    QTest::mouseClick(button(&request, "RequestBtn"), Qt::LeftButton);
    EXPECT_EQ(prompter.shown.last(), "error: You must fill in all fields!");
    EXPECT_EQ(m_server.connectionCount(), 0);
}

TEST_F(BhsDialogsTest, NewAccountIsPrefilledPostedByteForByteAndStored) {
    answer(kList, kNewId);
    QStringList prefilled;
    whenModal("TBHSNewAccountFrm", [&](QWidget* modal) {
        auto* request = static_cast<TBHSNewAccountFrm*>(modal);
        for (int f = 0; f < BhsAccountForm::FieldCount; ++f) {
            const QLineEdit* edit = request->edit(static_cast<BhsAccountForm::Field>(f));
            prefilled << edit->objectName() + u'=' + edit->text() + u'/' +
                             QString::number(edit->maxLength());
        }
        request->edit(BhsAccountForm::Zipcode)->setText("97477-12345");
        QTest::mouseClick(button(request, "RequestBtn"), Qt::LeftButton);
        prefilled << request->edit(BhsAccountForm::Address2)->text() + u'|' +
                         request->edit(BhsAccountForm::FTPSite)->text();
    });
    prompter.answers = {Prompter::Answer::Yes};
    TBHSFrm dialog(session);
    dialog.show();
    QTest::mouseClick(button(&dialog, "NewAccountBtn"), Qt::LeftButton);
    EXPECT_EQ(prefilled,
              (QStringList{"CompanyNameEdit=Smith & Sons = Tools/50", "Address1Edit=1 Main St/50",
                           "Address2Edit=/50", "CityEdit=Springfield/50",
                           "StateCountryEdit=OR/USA/25", "ZipCodeEdit=97477/10",
                           "PhoneEdit=+1 555 0100/50", "EmailEdit=sales@smith.example/255",
                           "FTPEdit=/255", "WebEdit=http://smith.example//255", " |none"}));
    const QByteArray body = "name=Smith %26 Sons %3D Tools&Address1=1 Main St&Address2= &"
                            "City=Springfield&State=OR/USA&Zipcode=97477-1234&"
                            "phone=%2B1 555 0100&email=sales@smith.example&FTPSite=none&"
                            "WebSite=http://smith.example/&add= Submit";
    EXPECT_EQ(m_server.received(0), "POST /bhs/additem2.asp HTTP/1.0\r\n" + hostLine() + kAgent +
                                        "Content-Type: application/x-www-form-urlencoded\r\n"
                                        "Content-Length: " +
                                        QByteArray::number(body.size()) + "\r\n\r\n" + body);
    EXPECT_EQ(prompter.shown, (QStringList{"confirm: Are you currently connected to the Internet?",
                                           "message: Your BHS ID# is: 4711"}));
    EXPECT_EQ(session.company()[CompanyRecord::BHSID], "4711");
    EXPECT_TRUE(session.CompanyUnsaved);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(BhsDialogsTest, NewAccountWithoutAnIdIsNotAssigned) {
    const struct {
        const char* name;
        QByteArray created;
        QStringList shown;
    } cases[] = {
        {"answer without an id",
         "HTTP/1.0 200 OK\r\n\r\n<p>Sorry</p>\r\n",
         {"confirm: Are you currently connected to the Internet?",
          "error: Could not assign BHS account at this time!"}},
        {"server error",
         "HTTP/1.0 500 Internal Server Error\r\n\r\nvalue=\"1\"",
         {"confirm: Are you currently connected to the Internet?",
          "error: Could not connect to BHS!", "error: Could not assign BHS account at this time!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        answer(kList, c.created);
        prompter.shown.clear();
        prompter.answers = {Prompter::Answer::Yes};
        whenModal("TBHSNewAccountFrm", [](QWidget* modal) {
            QTest::mouseClick(button(modal, "RequestBtn"), Qt::LeftButton);
        });
        TBHSFrm dialog(session);
        dialog.show();
        QTest::mouseClick(button(&dialog, "NewAccountBtn"), Qt::LeftButton);
        EXPECT_EQ(prompter.shown, c.shown);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_TRUE(session.company()[CompanyRecord::BHSID].isEmpty());
    }
}

TEST_F(BhsDialogsTest, TheButtonChecksTheCompanyFirst) {
    bool opened = false;
    whenModal("TBHSFrm", [&](QWidget* modal) {
        opened = true;
        modal->close();
    });
    TBHSFrm::BHSIDBtnClick(session, nullptr);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(prompter.shown.isEmpty());
    session.setBhsId(QStringLiteral("55"));
    TBHSFrm::BHSIDBtnClick(session, nullptr);
    session.removeCompany(session.companyText());
    TBHSFrm::BHSIDBtnClick(session, nullptr);
    EXPECT_EQ(prompter.shown, (QStringList{"message: Your BHS ID# is: 55",
                                           "error: You first need to define a company name!"}));
}

} // namespace
