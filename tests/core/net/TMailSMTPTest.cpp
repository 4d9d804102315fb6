// The SMTP client against scripted servers on loopback: the exact dialogue and message text,
// the events in order, every failure, cancel and the transcript.
#include "net/TMailSMTP.h"
#include "net/ECanceledError.h"
#include "net/EMessageError.h"
#include "net/EServerError.h"
#include "net/ESocketError.h"
#include "net/ETimedOutError.h"
#include "net/TMailMessage.h"
#include "support/FakeSmtpServer.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QHostInfo>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Answer = FakeSmtpServer::Answer;
using Files = QList<std::pair<QString, QByteArray>>;

// A client's events in order; a run of progress events shows once.
class MailEvents {
public:
    explicit MailEvents(TMailSMTP& smtp) {
        const std::pair<void (TMailSMTP::*)(), const char*> plain[] = {
            {&TMailSMTP::open, "open"},       {&TMailSMTP::prepare, "prepare"},
            {&TMailSMTP::sending, "sending"}, {&TMailSMTP::mailSent, "mailSent"},
            {&TMailSMTP::closing, "closing"}, {&TMailSMTP::closed, "closed"},
            {&TMailSMTP::cancel, "cancel"}};
        for (const auto& [signal, name] : plain)
            QObject::connect(&smtp, signal, [this, name] { list << name; });
        QObject::connect(&smtp, &TMailSMTP::progress, [this](int percent, qint64 position) {
            const QString name = position == 0 ? "progress end" : "progress";
            if (list.last() != name)
                list << name;
            if (position > 0)
                last = {percent, position};
        });
        QObject::connect(&smtp, &TMailSMTP::error,
                         [this](const QString& t) { list << "error " + t; });
        QObject::connect(&smtp, &TMailSMTP::addressRejected,
                         [this](const QString& address, bool& accept, const QString& reply) {
                             list << "rejected " + address + " " + reply;
                             accept = acceptRejected;
                         });
    }
    QStringList list;
    std::pair<int, qint64> last{-1, -1};
    bool acceptRejected = false;
};

const QStringList Delivered{"open",         "prepare",  "sending", "progress",
                            "progress end", "mailSent", "closing", "closed"};
const QStringList Closed{"open", "closing", "closed"};
const QStringList Refused{"open", "prepare", "sending", "closing", "closed"};
const QStringList TextRefused{"open",         "prepare", "sending", "progress",
                              "progress end", "closing", "closed"};

QString send(TMailSMTP& smtp) {
    NetGuard guard([&] { smtp.Cancel(); });
    try {
        smtp.SendMail();
    } catch (const ESocketError& e) {
        return "ESocketError: " + e.message();
    } catch (const ETimedOutError& e) {
        return "ETimedOutError: " + e.message();
    } catch (const ECanceledError& e) {
        return "ECanceledError: " + e.message();
    } catch (const EServerError& e) {
        return "EServerError: " + e.message();
    } catch (const EMessageError& e) {
        return "EMessageError: " + e.message();
    }
    return QString();
}

// The client's side of a dialogue: the message text between DATA and "." shown as <text>, and
// the host name as <host>.
QByteArray commandsOf(const QByteArray& received) {
    QByteArray out = received;
    out.replace(QByteArray("HELO " + QHostInfo::localHostName().toUtf8() + "\r\n"),
                "HELO <host>\r\n");
    const qsizetype data = out.indexOf("DATA\r\n");
    const qsizetype end = out.indexOf("\r\n.\r\n", data);
    return data < 0 || end < 0 ? out : out.left(data + 6) + "<text>" + out.mid(end + 2);
}

void plainMessage(TMailMessage& m) {
    m.Sender().setAddress("a@x");
    m.Recipients().add("b@y");
    m.setSubject("Hi");
    m.setBody({"Secret body"});
}

QByteArray base64Lines(const QByteArray& data) {
    QByteArray out;
    for (qsizetype at = 0; at < data.size(); at += 57)
        out += data.mid(at, 57).toBase64() + "\r\n";
    return out;
}

struct MessageCase {
    const char* name;
    std::function<void(TMailMessage&)> setup; // after plainMessage
    Files files;
    QByteArray head;                // the header lines down to "Mime-Version: 1.0"
    QByteArray text;                // the rest; "BOUNDARY" stands for the drawn boundary
    QByteArray wire = QByteArray(); // the rest as sent, when dots are doubled
    QByteArray recipients = "RCPT TO:<b@y>\r\n";
};

const QByteArray Gif = QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13).repeated(8);
const QByteArray Head =
    "From:      <a@x>\r\nTo:        <b@y>\r\nSubject:  Hi\r\nMime-Version: 1.0\r\n";
const QByteArray Ascii = "Content-Type: text/plain; charset=\"us-ascii\"\r\n"
                         "Content-Transfer-Encoding: 7bit\r\n\r\n";
const QByteArray Long = QByteArray("abcdefghi ").repeated(6);
const QByteArray Mixed = "Content-Type: multipart/mixed; boundary=\"BOUNDARY\"\r\n\r\n"
                         "This is a multipart message in MIME format\r\n\r\n--BOUNDARY\r\n";

QByteArray part(const char* type, const char* name, const char* encoding) {
    return QByteArray("Content-Type: ") + type + "; name=\"" + name +
           "\"\r\nContent-Transfer-Encoding: " + encoding +
           "\r\nContent-Disposition: attachment; filename=\"" + name + "\"\r\n\r\n";
}

const MessageCase MessageCases[] = {
    {"plain text, lines starting with a dot",
     [](TMailMessage& m) {
         m.setBody({"Line one", ".hidden", ".", "..two", "end."});
     },
     Files(), Head, Ascii + "Line one\r\n.hidden\r\n.\r\n..two\r\nend.\r\n",
     Ascii + "Line one\r\n..hidden\r\n..\r\n...two\r\nend.\r\n"},
    {"names quoted, line breaks made spaces, extra headers, BCC only told to the server",
     [](TMailMessage& m) {
         m.Sender() = TMailAddress("sales@x", "Sales.Desk");
         m.Recipients().clear();
         m.Recipients().add("j@y", "Doe, John");
         m.Recipients().add("ann@y", "Ann");
         m.CC().add("bob@z", "Bob \"QA\"\r\nBcc: x@z");
         m.BCC().add("hidden@w", "Hidden");
         m.setSubject("Hello\r\nBcc: evil@x");
         m.setReturnReceipt(true);
         m.setPriority(ptHigh);
         m.setHeaders({"X-Mailer: Shipkit", "subject: twice", "Content-Type : text/html"});
     },
     Files(),
     "From:     \"Sales.Desk\" <sales@x>\r\nTo:       \"Doe, John\" <j@y>,\r\n"
     "          Ann <ann@y>\r\nCC:       \"Bob \\\"QA\\\"  Bcc: x@z\" <bob@z>\r\n"
     "Return-Receipt-To: <sales@x>\r\nX-Priority: 1\r\nX-Mailer: Shipkit\r\n"
     "Subject:  Hello  Bcc: evil@x\r\nMime-Version: 1.0\r\n",
     Ascii + "Secret body\r\n", QByteArray(),
     "RCPT TO:<j@y>\r\nRCPT TO:<ann@y>\r\nRCPT TO:<bob@z>\r\nRCPT TO:<hidden@w>\r\n"},
    {"a 300-character line goes quoted-printable",
     [](TMailMessage& m) {
         m.setBody({QString::fromLatin1(QByteArray(Long.repeated(5).chopped(1) + "!")), "x=1\ty ",
                    QString(70, u'y')});
     },
     Files(), Head,
     "Content-Type: text/plain; charset=\"us-ascii\"\r\nContent-Transfer-Encoding: "
     "quoted-printable\r\n\r\n" +
         QByteArray(Long + "=\r\n").repeated(4) + Long.chopped(1) + "!\r\nx=3D1=09y=20\r\n" +
         QByteArray(65, 'y') + "=\r\nyyyyy\r\n"},
    {"text beyond ASCII in subject, name and body",
     [](TMailMessage& m) {
         m.Sender().setName("Zoë Ünal");
         m.setSubject("Grüße aus Köln");
         m.setBody({"Grüße", "naïve café"});
     },
     Files(),
     "From:     =?utf-8?B?" + QString("Zoë Ünal").toUtf8().toBase64() +
         "?= <a@x>\r\nTo:        <b@y>\r\nSubject:  =?utf-8?B?" +
         QString("Grüße aus Köln").toUtf8().toBase64() + "?=\r\nMime-Version: 1.0\r\n",
     "Content-Type: text/plain; charset=\"utf-8\"\r\nContent-Transfer-Encoding: "
     "quoted-printable\r\n\r\nGr=C3=BC=C3=9Fe\r\nna=C3=AFve caf=C3=A9\r\n"},
    {"body and attachments", [](TMailMessage& m) { m.setBody({"See attached."}); },
     Files{{"readme.txt", "Hello\r\nWorld\r\n"}, {"logo.gif", Gif}}, Head,
     Mixed + Ascii + "See attached.\r\n\r\n--BOUNDARY\r\n" +
         part("text/plain", "readme.txt", "Quoted-Printable") +
         "Hello\r\nWorld\r\n\r\n--BOUNDARY\r\n" + part("image/gif", "logo.gif", "Base64") +
         base64Lines(Gif) + "\r\n--BOUNDARY--\r\n"},
    {"attachments without a body", [](TMailMessage& m) { m.setBody({}); },
     Files{{"app.zip", Gif}, {"NOTES", QByteArray()}}, Head,
     Mixed + part("application/zip", "app.zip", "Base64") + base64Lines(Gif) +
         "\r\n--BOUNDARY\r\n" + part("application/octet-stream", "NOTES", "Base64") +
         "\r\n--BOUNDARY--\r\n"},
};

QByteArray boundaryOf(const QByteArray& text) {
    const qsizetype at = text.indexOf("boundary=\"");
    return at < 0 ? QByteArray("BOUNDARY") : text.mid(at + 10, 8);
}

} // namespace

TEST(TMailSMTP, SendsTheExactDialogueAndMessageText) {
    for (const MessageCase& c : MessageCases) {
        SCOPED_TRACE(c.name);
        FakeSmtpServer server;
        TempWorkspace dir;
        TMailMessage message;
        plainMessage(message);
        c.setup(message);
        for (const auto& [name, content] : c.files) {
            dir.write(name, content);
            message.Attachments().add(dir.path(name));
        }
        TMailSMTP smtp;
        MailEvents events(smtp);
        smtp.setServer(server.server());
        smtp.setMailMessage(&message);
        EXPECT_EQ(send(smtp), QString());
        const QByteArray b = boundaryOf(server.received());
        const QByteArray text = c.head + QByteArray(c.text).replace("BOUNDARY", b);
        const QByteArray wire =
            c.head + QByteArray(c.wire.isEmpty() ? c.text : c.wire).replace("BOUNDARY", b);
        EXPECT_EQ(server.received(), "HELO " + QHostInfo::localHostName().toUtf8() +
                                         "\r\nMAIL FROM:<" + message.Sender().Address().toUtf8() +
                                         ">\r\n" + c.recipients + "DATA\r\n" + wire +
                                         "\r\n.\r\nQUIT\r\n");
        EXPECT_EQ(events.list, Delivered);
        EXPECT_EQ(events.last, std::make_pair(100, qint64(text.size())));
    }
}

namespace {

using Setup = std::function<void(TMailMessage&, TMailSMTP&, MailEvents&)>;

struct FailureCase {
    const char* name;
    FakeSmtpServer::Responder responder;
    QString outcome;
    QStringList events;
    QByteArray commands;
    Setup setup = nullptr;
    Answer greeting{"220 fake.example ESMTP\r\n"};
};

// Answers lines starting with prefix (the whole line, when exact).
FakeSmtpServer::Responder on(const QByteArray& prefix, const Answer& answer, bool exact = false) {
    return [=](const QByteArray& line) -> std::optional<Answer> {
        if (exact ? line == prefix : line.startsWith(prefix))
            return answer;
        return std::nullopt;
    };
}

const QByteArray Envelope = "HELO <host>\r\nMAIL FROM:<a@x>\r\nRCPT TO:<b@y>\r\n";
const QByteArray Sent = Envelope + "DATA\r\n<text>.\r\nQUIT\r\n";
const QString TimedOut = "ETimedOutError: Operation timed out";
const QStringList TimedOutAtOnce{"open", "error Operation timed out", "closing", "closed"};

const FailureCase FailureCases[] = {
    {"refused greeting",
     nullptr,
     "EServerError: 554 go away",
     Closed,
     "QUIT\r\n",
     nullptr,
     {"554 go away\r\n"}},
    {"multi-line greeting, HELO refused, bare HELO taken",
     on("HELO ", {"501 Bad name\r\n"}),
     "",
     Delivered,
     "HELO <host>\r\nHELO\r\nMAIL FROM:<a@x>\r\nRCPT TO:<b@y>\r\nDATA\r\n<text>.\r\nQUIT\r\n",
     nullptr,
     {"220-one\r\n220-two\r\n220 three\r\n"}},
    {"both HELO refused", on("HELO", {"501 Go away\r\n"}), "EServerError: 501 Go away", Closed,
     "HELO <host>\r\nHELO\r\nQUIT\r\n"},
    {"refused recipient",
     on("RCPT TO:<bad@y>", {"550 No such user\r\n"}),
     "EServerError: 550 No such user",
     {"open", "prepare", "sending", "rejected bad@y 550 No such user", "closing", "closed"},
     Envelope + "RCPT TO:<bad@y>\r\nQUIT\r\n",
     [](TMailMessage& m, TMailSMTP&, MailEvents&) { m.Recipients().add("bad@y"); }},
    {"refused BCC taken by the handler",
     on("RCPT TO:<bad@y>", {"550 No such user\r\n"}),
     "",
     {"open", "prepare", "sending", "rejected bad@y 550 No such user", "progress", "progress end",
      "mailSent", "closing", "closed"},
     Envelope + "RCPT TO:<bad@y>\r\nDATA\r\n<text>.\r\nQUIT\r\n",
     [](TMailMessage& m, TMailSMTP&, MailEvents& e) {
         m.BCC().add("bad@y");
         e.acceptRejected = true;
     }},
    {"refused DATA", on("DATA", {"554 No valid recipients\r\n"}),
     "EServerError: 554 No valid recipients", Refused, Envelope + "DATA\r\nQUIT\r\n"},
    {"refused text", on(".", {"552 Too big\r\n"}, true), "EServerError: 552 Too big", TextRefused,
     Sent},
    {"refused QUIT after delivery",
     on("QUIT", {"500 What?\r\n", true}),
     "",
     {"open", "prepare", "sending", "progress", "progress end", "mailSent", "error 500 What?",
      "closing", "closed"},
     Sent},
    {"silent server", nullptr, TimedOut, TimedOutAtOnce, "", nullptr, {""}},
    {"no answer to the text",
     on(".", {""}, true),
     TimedOut,
     {"open", "prepare", "sending", "progress", "progress end", "error Operation timed out",
      "closing", "closed"},
     Envelope + "DATA\r\n<text>.\r\n"},
    {"close in the middle of a reply",
     on("MAIL", {"250-first\r\n", true}),
     "ESocketError: [10054] Connection reset by peer.",
     {"open", "prepare", "sending", "error [10054] Connection reset by peer.", "closing", "closed"},
     "HELO <host>\r\nMAIL FROM:<a@x>\r\n"},
    {"endless multi-line reply", on("MAIL", {QByteArray("250-more\r\n").repeated(50), false, 1}),
     "EServerError: Reply too long", Refused, "HELO <host>\r\nMAIL FROM:<a@x>\r\n"},
    {"endless line",
     nullptr,
     "EServerError: Reply too long",
     Closed,
     "",
     nullptr,
     {QByteArray(4096, 'x'), false, 1}},
    {"slow endless reply",
     nullptr,
     TimedOut,
     TimedOutAtOnce,
     "",
     nullptr,
     {"220-slow\r\n", false, 300}},
    {"no server",
     nullptr,
     "ESocketError: Server property is required",
     {"error Server property is required"},
     "",
     [](TMailMessage&, TMailSMTP& s, MailEvents&) { s.setServer(QString()); }},
    {"connection refused",
     nullptr,
     "ESocketError: [10061] Connection refused.",
     {"open", "error [10061] Connection refused.", "closing", "closed"},
     "",
     [](TMailMessage&, TMailSMTP& s, MailEvents&) {
         s.setServer(QStringLiteral("127.0.0.1:%1").arg(NetServerProcess::freePort()));
     }},
    {"no message",
     nullptr,
     "ESocketError: MailMessage property must be assigned",
     {"open", "error MailMessage property must be assigned", "closing", "closed"},
     "HELO <host>\r\nQUIT\r\n",
     [](TMailMessage&, TMailSMTP& s, MailEvents&) { s.setMailMessage(nullptr); }},
    {"no sender", nullptr, "EMessageError: The address of sender is required", Closed,
     "HELO <host>\r\nQUIT\r\n",
     [](TMailMessage& m, TMailSMTP&, MailEvents&) { m.Sender().setAddress(QString()); }},
    {"no recipient", nullptr, "EMessageError: At least one Recipient, CC or BCC must be entered",
     Closed, "HELO <host>\r\nQUIT\r\n",
     [](TMailMessage& m, TMailSMTP&, MailEvents&) { m.Recipients().clear(); }},
    {"paragraph too large for quoted-printable",
     nullptr,
     "EMessageError: Paragraph is too large",
     {"open", "prepare", "closing", "closed"},
     "HELO <host>\r\nQUIT\r\n",
     [](TMailMessage& m, TMailSMTP&, MailEvents&) { m.setBody({QString(24576, u'p')}); }},
    {"address with a line break, refused before connecting",
     nullptr,
     "EMessageError: Invalid address: c@y>\r\nRCPT TO:<evil@z",
     {},
     "",
     [](TMailMessage& m, TMailSMTP&, MailEvents&) { m.CC().add("c@y>\r\nRCPT TO:<evil@z"); }},
};

} // namespace

TEST(TMailSMTP, FailuresRaiseTheirErrorAndCloseTheConnection) {
    for (const FailureCase& c : FailureCases) {
        SCOPED_TRACE(c.name);
        FakeSmtpServer server;
        server.setGreeting(c.greeting);
        server.setResponder(c.responder);
        TMailMessage message;
        plainMessage(message);
        TMailSMTP smtp;
        MailEvents events(smtp);
        smtp.setServer(server.server());
        smtp.setTimeOut(1);
        smtp.setMailMessage(&message);
        if (c.setup)
            c.setup(message, smtp, events);
        EXPECT_EQ(send(smtp), c.outcome);
        EXPECT_EQ(events.list, c.events);
        EXPECT_EQ(commandsOf(server.received()), c.commands);
    }
}

TEST(TMailSMTP, CancelFromATimerDuringDataEndsTheSend) {
    FakeSmtpServer server;
    TMailMessage message;
    plainMessage(message);
    TMailSMTP smtp;
    MailEvents events(smtp);
    server.setResponder([&](const QByteArray& line) -> std::optional<Answer> {
        if (line == "DATA")
            QTimer::singleShot(100, &smtp, [&] { smtp.Cancel(); });
        return line == "." ? std::optional<Answer>(Answer{""}) : std::nullopt;
    });
    smtp.setServer(server.server());
    smtp.setMailMessage(&message);
    EXPECT_EQ(send(smtp), "ECanceledError: Operation has been canceled");
    EXPECT_EQ(events.list,
              (QStringList{"open", "prepare", "sending", "progress", "progress end", "cancel",
                           "closing", "closed", "error Operation has been canceled"}));
    EXPECT_EQ(commandsOf(server.received()), Envelope + "DATA\r\n<text>.\r\n");
}

TEST(TMailSMTP, TranscriptHidesTheBodyAndNothingStaysInTheTempFolder) {
    TempWorkspace dir, temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.dir().toLocal8Bit());
    dir.write("smlogfile.txt", "an old transcript\r\n");
    dir.write("data.bin", QByteArray(300000, 'z'));
    {
        FakeSmtpServer server;
        TMailMessage message;
        plainMessage(message);
        message.Attachments().add(dir.path("data.bin"));
        TMailSMTP smtp;
        smtp.setServer(server.server());
        smtp.setMailMessage(&message);
        smtp.setLogFile(dir.path("smlogfile.txt"));
        EXPECT_EQ(send(smtp), QString());
        server.setResponder(on(".", {"554 Rejected\r\n"}, true));
        EXPECT_EQ(send(smtp), "EServerError: 554 Rejected");
    }
    const QByteArray one = "220 fake.example ESMTP\r\nHELO " + QHostInfo::localHostName().toUtf8() +
                           "\r\n250 fake.example\r\nMAIL FROM:<a@x>\r\n250 OK\r\nRCPT TO:<b@y>\r\n"
                           "250 OK\r\nDATA\r\n354 End data with <CR><LF>.<CR><LF>\r\nSuppressing "
                           "the message body\r\n\r\n.\r\nREPLY\r\nQUIT\r\n221 Bye\r\n";
    EXPECT_EQ(dir.read("smlogfile.txt"), QByteArray(one).replace("REPLY", "250 OK queued as 1") +
                                             QByteArray(one).replace("REPLY", "554 Rejected"));
    EXPECT_EQ(QDir(temp.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(dir.dir()).entryList(QDir::Files), (QStringList{"data.bin", "smlogfile.txt"}));
    qputenv("TMPDIR", oldTemp);
}

namespace {

// A server that lists its extensions in EHLO and scripts the AUTH exchange.
FakeSmtpServer::Responder extended(const QByteArray& extensions,
                                   QList<std::pair<QByteArray, Answer>> script = {}) {
    return [=](const QByteArray& line) -> std::optional<Answer> {
        if (line.startsWith("EHLO"))
            return Answer{"250-fake.example\r\n" + extensions};
        for (const auto& [prefix, answer] : script)
            if (line.startsWith(prefix))
                return answer;
        return std::nullopt;
    };
}

struct SecureCase {
    const char* name;
    SmtpSecurity security;
    QString user;
    FakeSmtpServer::Responder responder;
    QString outcome; // an error starting so, or "" for the mail delivered
    QByteArray commands;
    QString transcriptAuth; // the transcript's lines from AUTH on, up to MAIL or QUIT
};

const QByteArray Delivery = "MAIL FROM:<a@x>\r\nRCPT TO:<b@y>\r\nDATA\r\n<text>.\r\nQUIT\r\n";
const QByteArray PlainToken = QByteArray("\0shipper\0pa55", 13).toBase64();

const SecureCase SecureCases[] = {
    {"AUTH PLAIN first when both are offered", SmtpSecurity::None, "shipper",
     extended("250 AUTH LOGIN PLAIN\r\n", {{"AUTH", {"235 OK\r\n"}}}), "",
     "EHLO <host>\r\nAUTH PLAIN " + PlainToken + "\r\n" + Delivery, "AUTH PLAIN ********|235 OK"},
    {"AUTH LOGIN in the older AUTH= form", SmtpSecurity::None, "shipper",
     extended("250 AUTH=LOGIN\r\n", {{"AUTH LOGIN", {"334 VXNlcm5hbWU6\r\n"}},
                                     {"c2hpcHBlcg==", {"334 UGFzc3dvcmQ6\r\n"}},
                                     {"cGE1NQ==", {"235 OK\r\n"}}}),
     "", "EHLO <host>\r\nAUTH LOGIN\r\nc2hpcHBlcg==\r\ncGE1NQ==\r\n" + Delivery,
     "AUTH LOGIN|334 VXNlcm5hbWU6|********|334 UGFzc3dvcmQ6|********|235 OK"},
    {"no mechanism the client knows", SmtpSecurity::None, "shipper",
     extended("250 AUTH CRAM-MD5\r\n"),
     "ESocketError: The server offers neither AUTH PLAIN nor AUTH LOGIN", "EHLO <host>\r\nQUIT\r\n",
     ""},
    {"credentials refused", SmtpSecurity::None, "shipper",
     extended("250 AUTH PLAIN\r\n", {{"AUTH", {"535 5.7.8 Authentication failed\r\n"}}}),
     "EServerError: 535 5.7.8 Authentication failed",
     "EHLO <host>\r\nAUTH PLAIN " + PlainToken + "\r\nQUIT\r\n",
     "AUTH PLAIN ********|535 5.7.8 Authentication failed"},
    {"EHLO refused: no HELO when a login was asked for", SmtpSecurity::None, "shipper",
     [](const QByteArray&) { return std::nullopt; }, "EServerError: 500 Unknown command",
     "EHLO <host>\r\nQUIT\r\n", ""},
    {"STARTTLS not offered: nothing more in clear", SmtpSecurity::StartTls, "shipper",
     extended("250 AUTH PLAIN\r\n"),
     "ESocketError: TLS: the server does not offer STARTTLS; nothing was sent",
     "EHLO <host>\r\nQUIT\r\n", ""},
    {"STARTTLS offered, then the handshake starts", SmtpSecurity::StartTls, "shipper",
     extended("250-STARTTLS\r\n250 AUTH PLAIN\r\n", {{"STARTTLS", {"220 Go ahead\r\n", true}}}),
     "ESocketError: TLS: ", "EHLO <host>\r\nSTARTTLS\r\n", ""},
};

} // namespace

TEST(TMailSMTP, ExtendedHelloStartTlsAndAuthDialogues) {
    for (const SecureCase& c : SecureCases) {
        SCOPED_TRACE(c.name);
        FakeSmtpServer server;
        server.setResponder(c.responder);
        TempWorkspace dir;
        TMailMessage message;
        plainMessage(message);
        {
            TMailSMTP smtp;
            smtp.setServer(server.server());
            smtp.setTimeOut(5);
            smtp.setSecurity(c.security);
            smtp.setUser(c.user);
            smtp.setPassword(QStringLiteral("pa55"));
            smtp.setLogFile(dir.path(QStringLiteral("t.log")));
            smtp.setMailMessage(&message);
            const QString outcome = send(smtp);
            EXPECT_TRUE(c.outcome.isEmpty() ? outcome.isEmpty() : outcome.startsWith(c.outcome))
                << outcome.toStdString();
        }
        QByteArray commands = commandsOf(server.received());
        commands.replace(QByteArray("EHLO " + QHostInfo::localHostName().toUtf8()), "EHLO <host>");
        EXPECT_EQ(commands, c.commands);
        const QStringList lines =
            QString::fromUtf8(dir.read(QStringLiteral("t.log"))).split(QStringLiteral("\r\n"));
        const qsizetype from = lines.indexOf(QRegularExpression(QStringLiteral("^AUTH.*")));
        QStringList auth;
        for (qsizetype i = from; from >= 0 && i < lines.size(); ++i) {
            if (lines[i].startsWith(QStringLiteral("MAIL")) || lines[i] == QStringLiteral("QUIT"))
                break;
            auth << lines[i];
        }
        EXPECT_EQ(auth.join(u'|'), c.transcriptAuth);
        EXPECT_FALSE(dir.read(QStringLiteral("t.log")).contains("cGE1NQ=="));
    }
}
