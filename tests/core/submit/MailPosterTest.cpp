// The e-mail step against a scripted SMTP server on loopback: the exact dialogue and message of
// each kind of mail, what the report page and the run log get, refusals, time-outs and Skip.
#include "submit/MailPoster.h"
#include "support/FakeSmtpServer.h"
#include "support/MailStepFixture.h"
#include "support/NetGuard.h"

#include <QFile>
#include <QHostInfo>
#include <gtest/gtest.h>

namespace {

using Answer = FakeSmtpServer::Answer;

const QByteArray Ascii = "Content-Type: text/plain; charset=\"us-ascii\"\r\n"
                         "Content-Transfer-Encoding: 7bit\r\n\r\n";
const QStringList Delivered{"Opening SMTP Connection", "Preparing Message",
                            "Sending Message",         "Mail Sent",
                            "Closing Connection",      "Connection Closed"};
const QStringList DeliveredLog{"Opening SMTP Connection", "Preparing Message", "Sending Message",
                               "Mail Sent", "Closing SMTP Connection"};

QByteArray head(const QByteArray& to, const QByteArray& subject) {
    return "From:     Ann <me@company.example>\r\nTo:        <" + to + ">\r\nSubject:  " + subject +
           "\r\nMime-Version: 1.0\r\n";
}

QByteArray footer() {
    return "\r\n\r\n\r\n\r\nThis shareware submission was auto-submitted by Shipkit, a Tallmark "
           "product.\r\nFind out more about Shipkit at https://www.tallmark.example/shipkit/\r\n";
}

QByteArray dialogue(const QByteArray& to, const QByteArray& text) {
    return "HELO " + QHostInfo::localHostName().toUtf8() +
           "\r\nMAIL FROM:<me@company.example>\r\nRCPT TO:<" + to + ">\r\nDATA\r\n" + text +
           "\r\n.\r\nQUIT\r\n";
}

// Answers the line starting with prefix.
FakeSmtpServer::Responder on(const QByteArray& prefix, const Answer& answer) {
    return [=](const QByteArray& line) -> std::optional<Answer> {
        if (line.startsWith(prefix))
            return answer;
        return std::nullopt;
    };
}

struct SentCase {
    const char* name;
    bool isNew;
    QString submit;
    bool copy;
    QByteArray to;
    QByteArray text;
    QStringList runLog;
    QStringList status;
};

const SentCase SentCases[] = {
    {"new listing",
     true,
     "New",
     false,
     "submit@site.example",
     head("submit@site.example", "New: MyApp 1.2") + Ascii + "Name: MyApp\r\nVersion: 1.2\r\n" +
         footer(),
     DeliveredLog + QStringList{"Site One E-Mailed Information."},
     {"Preparing Email", "Preparing to mail to: Site One", "Preparing Mail", "Sending Mail...",
      "Mail Sent"}},
    {"update",
     false,
     "Update",
     false,
     "updates@site.example",
     head("updates@site.example", "Update of MyApp") + Ascii + "Updated: MyApp\r\n" + footer(),
     DeliveredLog + QStringList{"Site One E-Mailed Information."},
     {"Preparing Email", "Preparing to mail to: Site One", "Preparing Mail", "Sending Mail...",
      "Mail Sent"}},
    {"copy to the contact",
     true,
     "New",
     true,
     "boss@company.example",
     head("boss@company.example", "New: MyApp 1.2 (Site One)") + Ascii +
         "Name: MyApp\r\nVersion: 1.2\r\n",
     DeliveredLog + QStringList{"boss@company.example E-Mailed Copy."},
     {"Preparing Email", "Preparing to mail to: Site One",
      "Preparing Mail Copy To: boss@company.example", "Sending Mail Copy...", "Mail Copy Sent"}},
};

class MailPosterTest : public ::testing::Test, protected MailStepFixture {
protected:
    FakeSmtpServer smtp;

    bool step(bool isNew = true, const QString& submit = "New", bool copy = false,
              int timeOutSeconds = 60) {
        MailPoster& mail = poster(smtp.server(), timeOutSeconds);
        NetGuard guard([&] { mail.Skip(); });
        const bool ok = mail.PostByEmail(isNew, listing(submit), copy);
        EXPECT_FALSE(guard.fired()) << "the step hung";
        return ok;
    }
};

TEST_F(MailPosterTest, SendsEachKindOfMail) {
    engine.set("EMAIL_SUBJECT_UPDATE", "Update of %APPNAME%");
    for (const SentCase& c : SentCases) {
        SCOPED_TRACE(c.name);
        view.runLog.clear();
        view.shown.clear();
        EXPECT_TRUE(step(c.isNew, c.submit, c.copy));
        EXPECT_EQ(smtp.received(), dialogue(c.to, c.text));
        EXPECT_EQ(poster(smtp.server()).reportLines(), Delivered);
        EXPECT_EQ(view.runLog, c.runLog);
        EXPECT_EQ(view.statuses(RunView::Method::Email), c.status);
        EXPECT_EQ(view.mailProgressStates(), QStringList({"shown", "hidden"}));
    }
}

TEST_F(MailPosterTest, AttachesTheChosenFilesInOrder) {
    engine.setFlag("EMAIL_ATTACH_APPLICATION", true);
    engine.setFlag("EMAIL_ATTACH_GIF", true); // no GIF path: nothing attached, no error
    engine.setFlag("EMAIL_ATTACH_OTHER", true);
    appFile("PATH", "myapp.zip", "PK zipped");
    appFile("OTHERPATH", "notes.txt", "Read me\r\n");
    EXPECT_TRUE(step());
    const QByteArray got = smtp.received();
    const qsizetype at = got.indexOf("boundary=\"");
    ASSERT_GE(at, 0);
    const QByteArray b = got.mid(at + 10, 8);
    const QByteArray text =
        head("submit@site.example", "New: MyApp 1.2") +
        "Content-Type: multipart/mixed; boundary=\"" + b +
        "\"\r\n\r\nThis is a multipart message in MIME format\r\n\r\n--" + b + "\r\n" + Ascii +
        "Name: MyApp\r\nVersion: 1.2\r\n" + footer() + "\r\n--" + b +
        "\r\nContent-Type: application/zip; name=\"myapp.zip\"\r\nContent-Transfer-Encoding: "
        "Base64\r\nContent-Disposition: attachment; filename=\"myapp.zip\"\r\n\r\n" +
        QByteArray("PK zipped").toBase64() + "\r\n\r\n--" + b +
        "\r\nContent-Type: text/plain; name=\"notes.txt\"\r\nContent-Transfer-Encoding: "
        "Quoted-Printable\r\nContent-Disposition: attachment; filename=\"notes.txt\"\r\n\r\n"
        "Read me\r\n\r\n--" +
        b + "--\r\n";
    EXPECT_EQ(got, dialogue("submit@site.example", text));
}

struct FailCase {
    const char* name;
    FakeSmtpServer::Responder responder;
    Answer greeting;
    int timeOutSeconds;
    bool ok;
    QStringList report;
    QStringList runLog;
};

const FailCase FailCases[] = {
    {"recipient refused",
     on("RCPT", {"550 No such user\r\n"}),
     {"220 fake.example ESMTP\r\n"},
     60,
     false,
     {"Opening SMTP Connection", "Preparing Message", "Sending Message",
      "ERROR -> Address Rejected By Server", "Closing Connection", "Connection Closed",
      "ERROR -> 550 No such user"},
     {"Opening SMTP Connection", "Preparing Message", "Sending Message",
      "ERROR -> Address Rejected By Server", "Closing SMTP Connection", "Site One EMail ERROR!!!"}},
    {"sender refused",
     on("MAIL", {"553 Not you\r\n"}),
     {"220 fake.example ESMTP\r\n"},
     60,
     false,
     {"Opening SMTP Connection", "Preparing Message", "Sending Message", "Closing Connection",
      "Connection Closed", "ERROR -> 553 Not you"},
     {"Opening SMTP Connection", "Preparing Message", "Sending Message", "Closing SMTP Connection",
      "Site One EMail ERROR!!!"}},
    {"silent server",
     nullptr,
     {""},
     5,
     false,
     {"Opening SMTP Connection", "ERROR -> Operation timed out", "Closing Connection",
      "Connection Closed"},
     {"Opening SMTP Connection", "SMTP Error", "Closing SMTP Connection",
      "Site One EMail ERROR!!!"}},
    {"goodbye refused after delivery",
     on("QUIT", {"421 Going away\r\n"}),
     {"220 fake.example ESMTP\r\n"},
     60,
     true,
     {"Opening SMTP Connection", "Preparing Message", "Sending Message", "Mail Sent",
      "ERROR -> 421 Going away", "Closing Connection", "Connection Closed"},
     DeliveredLog + QStringList{"Site One E-Mailed Information."}},
};

TEST_F(MailPosterTest, FailuresAreLoggedAndFailTheStep) {
    for (const FailCase& c : FailCases) {
        SCOPED_TRACE(c.name);
        FakeSmtpServer server;
        server.setGreeting(c.greeting);
        server.setResponder(c.responder);
        MailPoster mail(
            paths, view,
            MailPoster::Setup{server.server(), "me@company.example", "Ann", c.timeOutSeconds});
        view.runLog.clear();
        NetGuard guard([&] { mail.Skip(); });
        EXPECT_EQ(mail.PostByEmail(true, listing(), false), c.ok);
        EXPECT_FALSE(guard.fired()) << "the step hung";
        EXPECT_EQ(mail.reportLines(), c.report);
        EXPECT_EQ(view.runLog, c.runLog);
    }
}

TEST_F(MailPosterTest, RefusedBeforeConnecting) {
    struct Case {
        const char* name;
        QString to;
        QString script;
        QStringList report;
        QStringList runLog;
    };
    const Case cases[] = {
        {"not a plain address",
         "Site <submit@site.example>",
         "Body",
         {"ERROR -> Invalid address: Site <submit@site.example>"},
         {"Site One EMail ERROR!!!"}},
        {"no body script",
         "submit@site.example",
         "  ",
         {},
         {"No Engine Script For EMAIL Post For: Site One", "Unable to post EMAIL to: Site One",
          "Site One EMail ERROR!!!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine.set("EMAIL_TONAME", c.to);
        engine.scripts[SiteEngine::EmailNew] = c.script;
        view.runLog.clear();
        EXPECT_FALSE(step());
        EXPECT_EQ(poster(smtp.server()).reportLines(), c.report);
        EXPECT_EQ(view.runLog, c.runLog);
    }
    EXPECT_EQ(smtp.connectionCount(), 0);
}

TEST_F(MailPosterTest, SkipCancelsTheSend) {
    smtp.setResponder([this](const QByteArray& line) -> std::optional<Answer> {
        if (line == "DATA")
            poster(smtp.server()).Skip();
        return std::nullopt;
    });
    EXPECT_FALSE(step());
    const QStringList& report = poster(smtp.server()).reportLines();
    EXPECT_TRUE(report.contains("MailSend Operation Canceled!")) << report.join('\n').toStdString();
    EXPECT_FALSE(report.contains("Mail Sent"));
    EXPECT_EQ(view.runLog.last(), "Site One EMail ERROR!!!");
}

TEST_F(MailPosterTest, ClientLogGoesToTheProgramFolderWithoutTheBody) {
    EXPECT_TRUE(step());
    QFile log(paths.ProgramDir + "smlogfile.txt");
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    EXPECT_TRUE(text.contains("RCPT TO:<submit@site.example>"));
    EXPECT_FALSE(text.contains("Version: 1.2"));
}

} // namespace

namespace {

TEST_F(MailPosterTest, SenderSetupFileGivesTheCharacterSetAndIsNeverWritten) {
    struct SetupCase {
        QByteArray file; // empty: no file
        QByteArray charset;
    };
    const SetupCase cases[] = {
        {"", "us-ascii"},
        {"[Setup]\r\nCharSet=0\r\n", "us-ascii"},
        {"[Setup]\r\nServer=elsewhere.example\r\nEMail Address=x@y\r\nCharSet=1\r\n", "iso-8859-1"},
        {"[Setup]\r\nCharSet=7\r\nEncoding=1\r\n", "us-ascii"},
        {"[Other]\r\nCharSet=1\r\n", "us-ascii"},
    };
    const QString ini = paths.ProgramDir + "shipkit.ini";
    for (const SetupCase& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QFile::remove(ini);
        if (!c.file.isEmpty())
            ws.write("shipkit.ini", c.file);
        EXPECT_TRUE(step());
        const QByteArray got = smtp.received();
        EXPECT_TRUE(got.contains("RCPT TO:<submit@site.example>")) << "the run's server and sender";
        EXPECT_TRUE(got.contains("MAIL FROM:<me@company.example>"));
        const QByteArray type = "Content-Type: text/plain; charset=\"" + c.charset + '"';
        EXPECT_TRUE(got.contains(type)) << got.toStdString();
        EXPECT_EQ(QFile::exists(ini), !c.file.isEmpty());
        if (!c.file.isEmpty()) {
            EXPECT_EQ(ws.read("shipkit.ini"), c.file);
        }
    }
}

} // namespace
