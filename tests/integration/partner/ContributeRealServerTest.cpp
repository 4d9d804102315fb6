// A contributed site against a real mail server nobody here wrote (Debian's aiosmtpd); each mail
// is read back with Python's email package, as the maker's mail program would read it.
#include "commands/ContributeCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "engines/TEngBuild.h"
#include "support/MailInbox.h"
#include "support/SessionFixture.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

struct SiteCase {
    const char* name;
    QString password;     // LOGIN_PASSWORD as the user keeps it
    QString sentPassword; // as the attached copy has it
    bool categories;      // both category lists filled
    QStringList scripts;  // by SiteEngine::Script; empty ones are not written
    QStringList attached; // the attachment names, in order
};

const SiteCase SiteCases[] = {
    {"every file",
     "hunter2",
     "",
     true,
     {"http new", "http update", "ftp", "mail new", "mail update"},
     {"Site A.ini", "Site A Cat1.cat", "Site A Cat2.cat", "Site A HTTP_NEW.scp",
      "Site A HTTP_UPDATE.scp", "Site A FTP_NEW.scp", "Site A EMAIL_NEW.scp",
      "Site A EMAIL_UPDATE.scp"}},
    {"settings and the HTTP new script",
     "%APPNAME%%APPNAME%",
     "%APPNAME%%APPNAME%",
     false,
     {"name=%APPNAME%", "", "", "", ""},
     {"Site B.ini", "Site B HTTP_NEW.scp"}},
};

QByteArray passwordLine(const QString& value) {
    return "\r\nLOGIN_PASSWORD=" + value.toUtf8() + "\r\n";
}

class ContributeRealServer : public ::testing::Test, protected SessionFixture {
protected:
    void SetUp() override {
        m_server = MailInbox::server(ws.path("inbox"));
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
        ASSERT_TRUE(session.LoadWorkspace());
        session.setCompanyField(CompanyRecord::CONTACT, "Ann Lee");
        session.setCompanyField(CompanyRecord::CEMAIL, "ann@company.example");
        session.settings.ContributeMail = "engines@tallmark.example";
        session.settings.ContributeSmtp = QStringLiteral("127.0.0.1:%1").arg(m_server->port());
    }

    // A new site, edited and left unsaved: contributing saves it first.
    void buildSite(const QString& name, const SiteCase& c) {
        prompter.names.push_back(name);
        ASSERT_TRUE(SiteBuilderCommands(session).NewSiteBtnClick());
        SiteEngine& engine = session.gwide().engBuild()->current();
        engine.set("LOGIN_PASSWORD", c.password);
        engine.cat1 = c.categories ? "1\">Games" : "";
        engine.cat2 = c.categories ? "7\">Tools" : "";
        for (int s = 0; s < SiteEngine::ScriptCount; ++s)
            engine.scripts[s] = c.scripts[s];
        session.engineEdited();
        ASSERT_TRUE(session.EngineUnsaved);
    }

    QJsonObject readBack(const QString& n) {
        return MailInbox::parts(ws.path("inbox/" + n + ".eml"), ws.path("parts" + n));
    }

    QByteArray fileOf(const QString& attachment) {
        const QString folder = attachment.endsWith(".cat") ? "cat/" : "sites/";
        return ws.read(folder + attachment);
    }

    std::unique_ptr<NetServerProcess> m_server;
};

} // namespace

TEST_F(ContributeRealServer, TheSiteArrivesWithItsFilesInOrderAndNoPassword) {
    ContributeCommands contribute(session);
    int number = 0;
    for (const SiteCase& c : SiteCases) {
        SCOPED_TRACE(c.name);
        const QString site = c.attached.first().chopped(4);
        buildSite(site, c);
        prompter.shown.clear();
        ASSERT_TRUE(contribute.ContributeBtnClick());
        EXPECT_FALSE(session.EngineUnsaved) << "saved before the dialog";
        const QByteArray own = ws.read("sites/" + site + ".ini");
        EXPECT_TRUE(own.contains(passwordLine(c.password)));
        ASSERT_TRUE(contribute.contactFilledIn());
        EXPECT_TRUE(contribute.SubmitBtnClick());
        EXPECT_EQ(prompter.shown, QStringList{"message: Submission Sent. Thank You!"});
        EXPECT_EQ(ws.read("sites/" + site + ".ini"), own) << "the user's file stays as it was";

        const QString n = QString::number(++number);
        const QJsonObject got = readBack(n);
        const QString subject = "New Site Submission for: " + site;
        EXPECT_EQ(got["subject"].toString(), subject);
        EXPECT_EQ(got["from"].toArray(),
                  QJsonArray({QJsonArray{"Ann Lee", "ann@company.example"}}));
        EXPECT_EQ(got["to"].toArray(), QJsonArray({QJsonArray{"Shipkit Engine Submissions",
                                                              "engines@tallmark.example"}}));
        EXPECT_EQ(got["body"].toString().trimmed(), subject);
        const QJsonArray files = got["attachments"].toArray();
        QStringList names;
        for (const QJsonValue& f : files)
            names << f["filename"].toString();
        EXPECT_EQ(names, c.attached);
        for (qsizetype i = 0; i < files.size() && i < c.attached.size(); ++i) {
            QByteArray expected = fileOf(c.attached[i]);
            if (i == 0)
                expected.replace(passwordLine(c.password), passwordLine(c.sentPassword));
            EXPECT_EQ(ws.read("parts" + n + u'/' + files[i]["file"].toString()), expected)
                << c.attached[i].toStdString();
        }
        if (c.password != c.sentPassword) {
            EXPECT_FALSE(ws.read("inbox/" + n + ".eml").contains(c.password.toUtf8()));
        }
    }
}

TEST_F(ContributeRealServer, MissingContactOrRefusedConnectionSendsNothing) {
    buildSite("Site C", SiteCases[1]);
    ContributeCommands contribute(session);
    ASSERT_TRUE(contribute.ContributeBtnClick());
    const std::pair<QString, QString> contacts[] = {{"", "ann@company.example"},
                                                    {"  ", "ann@company.example"},
                                                    {"Ann Lee", "ann.company.example"}};
    for (const auto& [name, address] : contacts) {
        SCOPED_TRACE(QString(name + " / " + address).toStdString());
        session.setCompanyField(CompanyRecord::CONTACT, name);
        session.setCompanyField(CompanyRecord::CEMAIL, address);
        prompter.shown.clear();
        EXPECT_FALSE(contribute.contactFilledIn());
        EXPECT_EQ(prompter.shown,
                  QStringList{"message: You do not have your company contact info filled in. "
                              "Please do so now!"});
    }
    session.setCompanyField(CompanyRecord::CONTACT, "Ann Lee");
    session.setCompanyField(CompanyRecord::CEMAIL, "ann@company.example");
    session.settings.ContributeSmtp =
        QStringLiteral("127.0.0.1:%1").arg(NetServerProcess::freePort());
    prompter.shown.clear();
    EXPECT_FALSE(contribute.SubmitBtnClick());
    EXPECT_EQ(prompter.shown, QStringList{"error: ERROR -> Submission Could Not Be Sent!"});
    EXPECT_TRUE(QDir(ws.path("inbox")).entryList({"*.eml"}, QDir::Files).isEmpty());
}

TEST_F(ContributeRealServer, NoCurrentSiteIsRefusedBeforeTheDialog) {
    ContributeCommands contribute(session);
    EXPECT_FALSE(contribute.ContributeBtnClick());
    EXPECT_EQ(prompter.shown, QStringList{"message: There is no site to contribute. Choose or "
                                          "create a site first."});
}
