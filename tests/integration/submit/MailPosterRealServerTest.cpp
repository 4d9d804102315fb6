// The e-mail step against a real server nobody here wrote: Debian's aiosmtpd. Each mail it
// received is read back with Python's email package, as the site's mail program would read it.
#include "submit/MailPoster.h"
#include "support/MailInbox.h"
#include "support/MailStepFixture.h"
#include "support/NetGuard.h"

#include <QJsonArray>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QByteArray noise(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7919) ^ (i >> 11));
    return bytes;
}

struct RealCase {
    const char* name;
    bool copy;
    QString to;
    QString subject;
    QString body;
    QStringList files; // attachment names in order
};

const QString Footer = "\n\n\n\n\nThis shareware submission was auto-submitted by Shipkit, a "
                       "Tallmark product.\nFind out more about Shipkit at "
                       "https://www.tallmark.example/shipkit/";

const RealCase RealCases[] = {
    {"submission",
     false,
     "submit@site.example",
     "New: MyApp 1.2",
     "Name: MyApp\nVersion: 1.2" + Footer,
     {"myapp.zip", "logo.gif", "shot.png"}},
    {"copy",
     true,
     "boss@company.example",
     "New: MyApp 1.2 (Site One)",
     "Name: MyApp\nVersion: 1.2",
     {"logo.gif", "shot.png"}},
};

class MailPosterRealServer : public ::testing::Test, protected MailStepFixture {
protected:
    void SetUp() override {
        m_server = MailInbox::server(ws.path("inbox"));
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
    }

    // Python's reading of message number n: parts.json and the decoded attachments.
    QJsonObject readBack(const QString& n) {
        return MailInbox::parts(ws.path("inbox/" + n + ".eml"), ws.path("parts" + n));
    }

    std::unique_ptr<NetServerProcess> m_server;
};

} // namespace

TEST_F(MailPosterRealServer, SubmissionAndCopyArriveAsExpanded) {
    const QMap<QString, QByteArray> content{
        {"myapp.zip", noise(300001)}, {"logo.gif", noise(2048)}, {"shot.png", noise(70000)}};
    appFile("PATH", "myapp.zip", content["myapp.zip"]);
    appFile("GIFPATH", "logo.gif", content["logo.gif"]);
    appFile("SCREENPATH", "shot.png", content["shot.png"]);
    for (const char* flag : {"EMAIL_ATTACH_APPLICATION", "EMAIL_ATTACH_GIF", "EMAIL_ATTACH_ICO",
                             "EMAIL_ATTACH_SCREEN", "EMAIL_ATTACH_OTHER"})
        engine.setFlag(flag, true);
    MailPoster& mail = poster(QStringLiteral("127.0.0.1:%1").arg(m_server->port()));
    int number = 0;
    for (const RealCase& c : RealCases) {
        SCOPED_TRACE(c.name);
        NetGuard guard([&] { mail.Skip(); });
        EXPECT_TRUE(mail.PostByEmail(true, listing(), c.copy))
            << mail.reportLines().join('\n').toStdString();
        const QString n = QString::number(++number);
        const QJsonObject got = readBack(n);
        EXPECT_EQ(got["subject"].toString(), c.subject);
        EXPECT_EQ(got["from"].toArray(), QJsonArray({QJsonArray{"Ann", "me@company.example"}}));
        EXPECT_EQ(got["to"].toArray(), QJsonArray({QJsonArray{"", c.to}}));
        QString body = got["body"].toString();
        while (body.endsWith(u'\n'))
            body.chop(1);
        EXPECT_EQ(body, c.body);
        const QJsonArray files = got["attachments"].toArray();
        ASSERT_EQ(files.size(), c.files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i]["filename"].toString(), c.files[i]);
            EXPECT_EQ(ws.read("parts" + n + u'/' + files[i]["file"].toString()),
                      content[c.files[i]])
                << c.files[i].toStdString();
        }
    }
}
