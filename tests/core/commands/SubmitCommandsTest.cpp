// The Submit button's checks and questions before a run, through the scripted Prompter and a
// recording Submit page: what was asked, in order, and that nothing starts after a refusal.
#include "SubmitFixture.h"

#include "records/TIniFile.h"

namespace {

using Result = SubmitCommands::Result;
using Answer = Prompter::Answer;

class SubmitCommandsTest : public SubmitFixture {
protected:
    void plainSites() {
        engine("Alpha", "");
        engine("Beta", "");
        start();
    }
    bool runFolderMade() const { return QDir(ws.path("reports/Tool")).exists(); }
};

struct MailCase {
    const char* name;
    bool settingsFilled;
    std::deque<bool> answers; // the settings dialog: true for "Ok"
    int fillOnAsk;            // the dialog that fills the three settings (1-based; 0: none)
    int asks;
    bool started;
};

TEST_F(SubmitCommandsTest, TheMailSettingsGate) {
    const MailCase cases[] = {
        {"all three set", true, {}, 0, 0, true},
        {"missing, filled in the dialog", false, {true}, 1, 1, true},
        {"missing, the dialog is cancelled", false, {false}, 0, 1, false},
        {"asked again until all are filled", false, {true, true, true}, 3, 3, true},
    };
    plainSites();
    for (const MailCase& c : cases) {
        SCOPED_TRACE(c.name);
        reload();
        session.settings.SmtpServer = c.settingsFilled ? QStringLiteral("127.0.0.1") : QString();
        view.shown.clear();
        view.mailAnswers = c.answers;
        int asked = 0;
        view.onMailSettings = [&] {
            if (++asked == c.fillOnAsk)
                session.settings.SmtpServer = QStringLiteral("127.0.0.1");
        };
        const auto outcome = submit();
        EXPECT_EQ(view.only("mail settings").size(), c.asks);
        EXPECT_EQ(outcome.result, c.started ? Result::Finished : Result::NotStarted);
        EXPECT_EQ(view.only("verify").size(), c.started ? 1 : 0);
    }
}

struct CheckCase {
    const char* name;
    const char* key; // nullptr: no application chosen
    QString value;
    QString message; // empty: the run starts
};

TEST_F(SubmitCommandsTest, TheApplicationChecksInTheirOrder) {
    plainSites();
    ws.write("files/tool.ico", "ico");
    const QString missing = ws.path("files/missing.bin");
    const CheckCase cases[] = {
        {"no application", nullptr, {}, "You have not selected an app to submit."},
        {"8-character name", "8CHAR", {}, "The 8 Character Filename for this app is blank."},
        {"platform", "PLATFORM", {}, "You have not selected the platform for this application"},
        {"distribution",
         "DSTATUS",
         {},
         "You have not selected the distribution for this application"},
        {"status", "STATUS", {}, "You have not selected the status for this application"},
        {"no local path",
         "PATH",
         {},
         "You have selected an invalid local path for this application's file."},
        {"a local path that is missing", "PATH", missing,
         "You have selected an invalid local path for this application's file."},
        {"a local path that is a folder", "PATH", ws.path("files"),
         "You have selected an invalid local path for this application's file."},
        {"icon", "ICOPATH", missing, "You have selected an invalid path for the Ico file."},
        {"gif", "GIFPATH", missing, "You have selected an invalid path for the Gif file."},
        {"screen shot", "SCREENPATH", missing,
         "You have selected an invalid path for the Screen Shot file."},
        {"other file", "OTHERPATH", missing,
         "You have selected an invalid path for the \"Other\" file."},
        {"an icon that exists passes", "ICOPATH", ws.path("files/tool.ico"), {}},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        session.selectApp(c.key ? 0 : -1);
        if (c.key)
            session.setAppValue(QLatin1String(c.key), c.value);
        session.AppUnsaved = false;
        prompter.shown.clear();
        view.runLog = {"a line of the last run"};
        QDir(ws.path("reports/Tool")).removeRecursively();
        const auto outcome = submit();
        EXPECT_TRUE(view.runLog.isEmpty()) << view.runLog.join('|').toStdString();
        if (c.message.isEmpty()) {
            EXPECT_EQ(outcome.result, Result::Finished);
            continue;
        }
        EXPECT_EQ(outcome.result, Result::NotStarted);
        EXPECT_EQ(prompter.shown, QStringList{"message: " + c.message});
        EXPECT_FALSE(runFolderMade());
    }
}

struct SaveCase {
    const char* name;
    bool app, company, engine;
    std::vector<Answer> answers;
    QStringList asked;
    bool started;
    QString savedVersion; // VERSION in the record file afterwards
};

TEST_F(SubmitCommandsTest, TheSaveQuestionsInTheirOrder) {
    plainSites();
    const QString app = "confirm: Would you like to save Tool?";
    const QString company = "confirm: Would you like to save Changed Company Info?";
    const QString engineInfo = "confirm: Would you like to save Added/Changed Engine Info?";
    const SaveCase cases[] = {
        {"nothing unsaved", false, false, false, {}, {}, true, "2.1"},
        {"application: Yes saves it", true, false, false, {Answer::Yes}, {app}, true, "9.9"},
        {"application: No goes on", true, false, false, {Answer::No}, {app}, true, "2.1"},
        {"application: Cancel ends the click",
         true,
         false,
         false,
         {Answer::Cancel},
         {app},
         false,
         "2.1"},
        {"all three, in order",
         true,
         true,
         true,
         {Answer::No, Answer::No, Answer::No},
         {app, company, engineInfo},
         true,
         "2.1"},
        {"Cancel on the engine",
         false,
         true,
         true,
         {Answer::Yes, Answer::Cancel},
         {company, engineInfo},
         false,
         "2.1"},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.name);
        session.selectApp(0);
        session.setAppValue("VERSION", "9.9");
        session.AppUnsaved = c.app;
        session.CompanyUnsaved = c.company;
        session.EngineUnsaved = c.engine;
        prompter.shown.clear();
        prompter.answers.assign(c.answers.begin(), c.answers.end());
        const auto outcome = submit();
        EXPECT_EQ(outcome.result, c.started ? Result::Finished : Result::NotStarted);
        QStringList expected = c.asked;
        if (c.started)
            expected << "confirm: Submission Process Done. View Report?";
        EXPECT_EQ(prompter.shown, expected);
        EXPECT_EQ(TIniFile(ws.path("data/Tool.dat")).ReadKey("APPINFO", "VERSION", QString()),
                  c.savedVersion);
        ws.write("data/Tool.dat", ws.read("data/Tool.dat").replace("VERSION=9.9", "VERSION=2.1"));
    }
}

TEST_F(SubmitCommandsTest, ACountedSiteWithoutItsCategoryStopsBeforeTheVerification) {
    engine("Alpha", "");
    engine("Beta", "USE_CAT1=1\r\nUSE_CAT2=1\r\n");
    engine("Gamma", "USE_CAT2=1\r\n");
    start({line({"Beta", "New", "Games", "Arcade", "Unknown", "Y"}),
           line({"Gamma", "New", "N/A", "NOT SET!", "Unknown", "Y"})});
    QList<Session::Page> pages;
    QObject::connect(&session, &Session::pageRequested,
                     [&pages](Session::Page page) { pages << page; });
    EXPECT_EQ(submit().result, Result::NotStarted);
    EXPECT_EQ(prompter.shown, QStringList{"error: You have a site set to post against that needs "
                                          "a category set. Please set before posting!"});
    EXPECT_EQ(pages, QList<Session::Page>{Session::Sites});
    EXPECT_EQ(session.siteList().selected(), 2);
    EXPECT_EQ(view.verifications, 0);
}

TEST_F(SubmitCommandsTest, NoSiteToPostStopsBeforeTheVerification) {
    engine("Alpha", "");
    engine("Beta", "");
    start({line({"Alpha", "New", "N/A", "N/A", "Unknown", "N"}),
           line({"Beta", "New", "N/A", "N/A", "Unknown", "N"})});
    session.siteList().select(1);
    EXPECT_EQ(submit().result, Result::NotStarted);
    EXPECT_EQ(prompter.shown, QStringList{"error: You do not have any sites set to post!"});
    EXPECT_EQ(session.siteList().selected(), 0);
    EXPECT_EQ(view.verifications, 0);
}

TEST_F(SubmitCommandsTest, TheVerificationShowsTheSevenCountsOfTheSitesToBePosted) {
    engine("Alpha", "USE_HTTP_POST=1\r\nUSE_EMAIL=1\r\n");
    engine("Beta", "USE_FTP_UPLOAD=1\r\nUSE_ZIP_FILE=1\r\n");
    engine("Gamma", "USE_FTP_UPLOAD=1\r\n");
    engine("Delta", "SITE_TYPE=1\r\n"); // freeware only: the shareware is not counted
    engine("Echo", "");
    start({line({"Beta", "Update", "N/A", "N/A", "Unknown", ""}),
           line({"Echo", "New", "N/A", "N/A", "Unknown", "N"})});
    view.startPosting = false;
    EXPECT_EQ(submit().result, Result::NotStarted);
    EXPECT_EQ(view.only("verify"), QStringList{"verify: 3 2 1 1 2 1 1"});
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(runFolderMade());

    driver.setOnlySites({"Gamma", "Echo"});
    reload();
    view.shown.clear();
    submit();
    EXPECT_EQ(view.only("verify"), QStringList{"verify: 1 1 0 0 1 0 0"});
}

struct ClampCase {
    const char* name;
    int ftpRetries, httpTimeOut;
    const char* port;
    int runFtpRetries, runTimeOut;
    quint16 runPort;
};

TEST_F(SubmitCommandsTest, TheRunTakesTheSettingsWithinTheirRanges) {
    plainSites();
    FakeStep step;
    driver.installStep(RunView::Method::Http, &step);
    const ClampCase cases[] = {
        {"within range", 3, 30, "8080", 3, 30, 8080},
        {"above", 80, 100, "80", 50, 60, 80},
        {"below", -2, 5, "65535", 0, 10, 65535},
        {"a port that is no number", 3, 60, "abc", 3, 60, 80},
    };
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(c.name);
        reload();
        session.settings.FtpRetries = c.ftpRetries;
        session.settings.HttpTimeOut = c.httpTimeOut;
        session.settings.ProxyHost = "proxy.example";
        session.settings.ProxyPort = c.port;
        submit();
        EXPECT_EQ(step.settings.ftpRetries, c.runFtpRetries);
        EXPECT_EQ(step.settings.httpTimeOutSeconds, c.runTimeOut);
        EXPECT_EQ(step.settings.proxyPort, c.runPort);
        EXPECT_EQ(step.settings.proxyHost, "proxy.example");
        EXPECT_EQ(step.settings.smtpServer, "127.0.0.1");
    }
}

TEST_F(SubmitCommandsTest, ViewReportOpensTheMainReportOnYes) {
    plainSites();
    prompter.answers.push_back(Answer::Yes);
    submit();
    EXPECT_EQ(reportsAsked, QStringList{driver.mainReportPath()});
    EXPECT_TRUE(QFileInfo::exists(driver.mainReportPath()));
    EXPECT_EQ(prompter.beeps, 1);
}

} // namespace
