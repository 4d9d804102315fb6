// What the e-mail step puts into a mail, before any server is involved: recipients, subjects,
// bodies and attachments by listing kind, with their fall-backs.
#include "submit/MailComposer.h"
#include "support/MailStepFixture.h"

#include <gtest/gtest.h>

namespace {

class MailComposerTest : public ::testing::Test, protected MailStepFixture {};

TEST_F(MailComposerTest, RecipientByKindTrimmed) {
    struct Case {
        const char* name;
        QString update;
        bool isNew, copy;
        QString expected;
    };
    const Case cases[] = {
        {"new listing", "updates@site.example", true, false, "submit@site.example"},
        {"update", " updates@site.example\t", false, false, "updates@site.example"},
        {"update without its own address", "", false, false, "submit@site.example"},
        {"copy", "updates@site.example", false, true, "boss@company.example"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine.set("EMAIL_TONAME_UPDATE", c.update);
        EXPECT_EQ(MailComposer::recipient(listing(), c.isNew, c.copy), c.expected);
    }
}

TEST_F(MailComposerTest, PlainAddresses) {
    const std::pair<QString, bool> cases[] = {
        {"a@b.example", true}, {"", false},         {"ab.example", false},
        {"A <a@b>", false},    {"a@b, c@d", false}, {"a@b\r\nRCPT TO:<c@d>", false},
        {"<a@b>", false},      {"a@@b", false},     {"a b@c", false},
    };
    for (const auto& [address, plain] : cases)
        EXPECT_EQ(MailComposer::isPlainAddress(address), plain) << address.toStdString();
}

TEST_F(MailComposerTest, SubjectByKindWithFallBacks) {
    struct Case {
        const char* name;
        QString subject, update;
        bool isNew, copy;
        QString expected;
    };
    const Case cases[] = {
        {"new listing expanded", "  New: %APPNAME%", "Upd", true, false, "New: MyApp"},
        {"update", "New", "  Upd: %APPVERSION%", false, false, "Upd: 1.2"},
        {"update falls back", "New: %APPNAME%", "", false, false, "New: MyApp"},
        {"empty", "   ", "", true, false, "Submission"},
        {"copy names the site", "New: %APPNAME%", "", true, true, "New: MyApp (Site One)"},
        {"empty copy", "", "", true, true, "Submission (Site One)"},
        {"line breaks become spaces", "A\r\nB\nC%APPNAME%", "", true, false, "A  B CMyApp"},
        {"not expandable: the stored new-listing subject", " New %NOSUCHNAME%", "Upd %NOSUCH%",
         false, false, " New %NOSUCHNAME%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine.set("EMAIL_SUBJECT", c.subject);
        engine.set("EMAIL_SUBJECT_UPDATE", c.update);
        EXPECT_EQ(MailComposer::subject(listing(), c.isNew, c.copy), c.expected);
    }
}

TEST_F(MailComposerTest, BodyByTheRowsSubmitColumn) {
    const QStringList footer = MailComposer::footer();
    struct Case {
        const char* name;
        QString newScript, submit;
        bool copy;
        std::optional<QStringList> expected;
    };
    const Case cases[] = {
        {"new row", "  Name: %APPNAME%\r\nV %APPVERSION%\r\n", "New", false,
         QStringList{"Name: MyApp", "V 1.2"} + footer},
        {"update row", "unused", "Update", false, QStringList{"Updated: MyApp"} + footer},
        {"copy has no footer", "Name: %APPNAME%", "New", true, QStringList{"Name: MyApp"}},
        {"not expandable: as stored", "  Bad %NOSUCHNAME%\nnext", "New", true,
         QStringList{"  Bad %NOSUCHNAME%", "next"}},
        {"no script", "   ", "New", false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        engine.scripts[SiteEngine::EmailNew] = c.newScript;
        EXPECT_EQ(MailComposer::body(listing(c.submit), c.copy), c.expected);
    }
    ASSERT_EQ(footer.size(), 6);
    EXPECT_EQ(footer.mid(0, 4), QStringList(4, QString()));
    EXPECT_EQ(footer[4],
              "This shareware submission was auto-submitted by Shipkit, a Tallmark product.");
}

TEST_F(MailComposerTest, AttachmentsInOrderWithoutEmptyPaths) {
    app.setValue("PATH", "/l/app.zip");
    app.setValue("GIFPATH", "/l/a.gif");
    app.setValue("ICOPATH", "");
    app.setValue("SCREENPATH", "/l/shot.png");
    app.setValue("OTHERPATH", "/l/other.txt");
    struct Case {
        const char* name;
        QStringList flags;
        bool copy;
        QStringList expected;
    };
    const QStringList all{"EMAIL_ATTACH_APPLICATION", "EMAIL_ATTACH_GIF", "EMAIL_ATTACH_ICO",
                          "EMAIL_ATTACH_SCREEN", "EMAIL_ATTACH_OTHER"};
    const Case cases[] = {
        {"all set", all, false, {"/l/app.zip", "/l/a.gif", "/l/shot.png", "/l/other.txt"}},
        {"copy: never the application", all, true, {"/l/a.gif", "/l/shot.png", "/l/other.txt"}},
        {"none", {}, false, {}},
        {"ICO set, no path", {"EMAIL_ATTACH_ICO"}, false, {}},
        {"other only", {"EMAIL_ATTACH_OTHER"}, false, {"/l/other.txt"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& flag : all)
            engine.setFlag(flag, c.flags.contains(flag));
        EXPECT_EQ(MailComposer::attachments(listing(), c.copy), c.expected);
    }
}

} // namespace
