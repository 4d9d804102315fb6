// The SMTP client against a real server nobody here wrote: Debian's aiosmtpd. Each message it
// received is read back with Python's email package, as a mail program would read it.
#include "net/TMailMessage.h"
#include "net/TMailSMTP.h"
#include "support/MailInbox.h"
#include "support/NetGuard.h"
#include "support/TempWorkspace.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QByteArray noise(qsizetype size) {
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7919) ^ (i >> 11));
    return bytes;
}

using Mailboxes = QList<std::pair<QString, QString>>; // address, name

struct RealCase {
    const char* name;
    QString subject;
    QStringList body;
    Mailboxes from, to, cc, bcc;
    QList<std::pair<QString, QByteArray>> files;
};

const QString Wide = "Ünïcödé wörds, ünd ëvën lönger ünes ✓";

const RealCase RealCases[] = {
    {"plain ASCII with names to quote",
     "Plain submission",
     {"First line.", ".starts with a dot", ".", QString(300, u'x')},
     {{"sales@x.example", "Sales.Desk"}},
     {{"john@y.example", "Doe, John"}, {"ann@y.example", "Ann (QA) \"Lead\""}},
     {{"cc@z.example", ""}},
     {{"hidden@w.example", "Hidden"}},
     {}},
    {"text beyond ASCII",
     "Grüße aus Köln, 日本語の件名もあります " + Wide,
     {"Grüße", "", Wide.repeated(8), "日本語のテキスト"},
     {{"a@x.example", "Zoë Ünal"}},
     {{"b@y.example", "Jürgen, Dr."}},
     {},
     {},
     {}},
    {"body and files",
     "Files",
     {"See the files; ünïcödé too."},
     {{"a@x.example", ""}},
     {{"b@y.example", ""}},
     {},
     {},
     {{"readme.txt", "Read me.\r\n=Equals=\r\n\ttab \r\n.dot\r\nno end"},
      {"logo.gif", noise(100001)},
      {"empty.bin", QByteArray()},
      {"app.zip", noise(5 * 1024 * 1024 + 3)}}},
    {"files without a body",
     "Only files",
     {},
     {{"a@x.example", ""}},
     {{"b@y.example", ""}},
     {},
     {},
     {{"shot.png", noise(4096)}}},
};

QJsonArray json(const Mailboxes& list) {
    QJsonArray out;
    for (const auto& [address, name] : list)
        out.append(QJsonArray{name, address});
    return out;
}

class SmtpRealServer : public ::testing::Test {
protected:
    void SetUp() override {
        m_server = MailInbox::server(m_dir.path("inbox"));
        ASSERT_TRUE(m_server->start("220")) << m_server->log().toStdString();
    }

    void send(const RealCase& c) {
        TMailMessage message;
        message.Sender() = TMailAddress(c.from[0].first, c.from[0].second);
        for (const auto& [list, target] : {std::pair{&c.to, &message.Recipients()},
                                           {&c.cc, &message.CC()},
                                           {&c.bcc, &message.BCC()}})
            for (const auto& [address, name] : *list)
                target->add(address, name);
        message.setSubject(c.subject);
        message.setBody(c.body);
        for (const auto& [name, content] : c.files) {
            m_dir.write("out/" + name, content);
            message.Attachments().add(m_dir.path("out/" + name));
        }
        TMailSMTP smtp;
        smtp.setServer(QStringLiteral("127.0.0.1:%1").arg(m_server->port()));
        smtp.setMailMessage(&message);
        NetGuard guard([&] { smtp.Cancel(); });
        EXPECT_NO_THROW(smtp.SendMail());
    }

    // Python's reading of message number n: parts.json and the decoded attachments.
    QJsonObject readBack(const QString& n) {
        return MailInbox::parts(m_dir.path("inbox/" + n + ".eml"), m_dir.path("parts" + n));
    }

    TempWorkspace m_dir;
    std::unique_ptr<NetServerProcess> m_server;
};

} // namespace

TEST_F(SmtpRealServer, MessagesArriveAsSent) {
    int number = 0;
    for (const RealCase& c : RealCases) {
        SCOPED_TRACE(c.name);
        send(c);
        const QString n = QString::number(++number);
        const QJsonObject got = readBack(n);
        EXPECT_EQ(got["subject"].toString(), c.subject);
        EXPECT_EQ(got["from"].toArray(), json(c.from));
        EXPECT_EQ(got["to"].toArray(), json(c.to));
        EXPECT_EQ(got["cc"].toArray(), json(c.cc));
        // The end of the text adds an empty line to a body without files.
        QString body = got["body"].toString();
        while (body.endsWith(u'\n'))
            body.chop(1);
        EXPECT_EQ(body, c.body.join(u'\n'));
        const QJsonArray files = got["attachments"].toArray();
        ASSERT_EQ(files.size(), c.files.size());
        for (qsizetype i = 0; i < files.size(); ++i) {
            EXPECT_EQ(files[i]["filename"].toString(), c.files[i].first);
            EXPECT_EQ(m_dir.read("parts" + n + u'/' + files[i]["file"].toString()),
                      c.files[i].second)
                << c.files[i].first.toStdString();
        }
        QJsonArray envelope;
        for (const Mailboxes* list : {&c.to, &c.cc, &c.bcc})
            for (const auto& [address, name] : *list)
                envelope.append(address);
        EXPECT_EQ(QJsonDocument::fromJson(m_dir.read("inbox/" + n + ".json"))["to"].toArray(),
                  envelope);
        for (const auto& [address, name] : c.bcc)
            EXPECT_FALSE(m_dir.read("inbox/" + n + ".eml").contains(address.toUtf8()));
    }
}
