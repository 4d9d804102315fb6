// The HTTP step against scripted servers on loopback: the bytes of each kind of request, what
// each kind of answer makes of the post, and the lines left in the run log and the site's page.
#include "submit/HttpPoster.h"

#include "base/Clock.h"
#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "reports/TReportsFrm.h"
#include "shell/TGWide.h"
#include "submit/HttpAnswer.h"
#include "submit/PostingJob.h"
#include "submit/RunReportInputs.h"
#include "submit/RunSettings.h"
#include "submit/RunTrail.h"
#include "support/FakeTcpServer.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/RecordingRunView.h"
#include "support/ReportPage.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QByteArray Agent = "User-Agent: " + TNetHTTP::defaultUserAgent().toLatin1() + "\r\n";
const QByteArray FormHeaders = "Content-Type: application/x-www-form-urlencoded\r\n";
const QByteArray Thanks = "HTTP/1.0 200 OK\r\nContent-Length: 6\r\n\r\nThanks";

QByteArray withPort(QByteArray text, quint16 port) {
    return text.replace("%PORT%", QByteArray::number(port));
}

class HttpPosterTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    TGWide gwide{ws.dir()};
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 30))};
    ScriptedPrompter prompter;
    RecordingRunView view;
    RunTrail trail{view};
    HttpAnswer answer;
    RunReportInputs inputs{trail, answer};
    TReportsFrm reports{gwide.paths(), clock, inputs, QLocale::c()};
    HttpPoster poster{view, trail, reports, answer};
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    RunSettings settings;
    int pages = 0;

    void SetUp() override {
        gwide.MakeFolders();
        inputs.setApplication(QStringLiteral("Tool"));
        reports.StartRun();
        app.setValue(QStringLiteral("VERSION"), QStringLiteral("2.1"));
        engine.name = QStringLiteral("Site");
        engine.setFlag(QStringLiteral("USE_HTTP_POST"), true);
        engine.scripts[SiteEngine::HttpNew] =
            QStringLiteral("name=%APPNAME%&ver=%APPVERSION% beta");
        engine.scripts[SiteEngine::HttpUpdate] = QStringLiteral("id=%APPVERSION%&note=a b\r\nc");
    }

    void setAddresses(const QString& address, quint16 port) {
        const QString a = QString(address).replace(QStringLiteral("%PORT%"), QString::number(port));
        engine.set(QStringLiteral("HTTP_NEW_SCRIPT_URL"), a);
        engine.set(QStringLiteral("HTTP_UPDATE_SCRIPT_URL"), a);
    }

    // One post on its own report page, as the run makes it; the page is written afterwards.
    bool post(bool newListing = true) {
        poster.prepare(settings);
        reports.CurrentSiteName = QStringLiteral("Site");
        reports.BeginSitePage(QStringLiteral("HTTP"));
        PostingJob job;
        job.site = QStringLiteral("Site");
        job.engine = &engine;
        job.row = 0;
        job.newListing = newListing;
        job.context.company = &company;
        job.context.app = &app;
        job.context.appName = QString::fromUtf8("Café");
        job.context.engine = &engine;
        job.context.clock = &clock;
        job.context.prompter = &prompter;
        NetGuard guard([this] { poster.abort(PostingStep::Abort::Cancel); });
        const bool ok = poster.run(job);
        reports.EndSitePage(QStringLiteral("HTTP"), QStringLiteral("Site"));
        ++pages;
        EXPECT_FALSE(guard.fired());
        EXPECT_FALSE(poster.HTTPTimer().isActive());
        return ok;
    }
    ReportPage page() const { return ReportPage(reports.RunFolder() + "/Site _HTTP.htm"); }
};

struct RequestCase {
    const char* name;
    int postType; // 1 POST, 2 GET
    bool newListing;
    const char* address;
    bool viaProxy;
    QByteArray expected; // "%PORT%" stands for the server's port
    QString posted;      // the report's line after "Post Data:"
};

TEST_F(HttpPosterTest, RequestBytesOfEachKindOfPost) {
    const QByteArray newBody = "name=Caf\xc3\xa9&ver=2.1%20beta";
    const QByteArray updateBody = "id=2.1&note=a%20b\r\nc";
    const auto postHead = [](const char* line, const char* host,
                             const QByteArray& body) -> QByteArray {
        return QByteArray(line) + "\r\nHost: " + host + "\r\n" + Agent + FormHeaders +
               "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    };
    const RequestCase cases[] = {
        {"POST, new listing", 1, true, "http://127.0.0.1:%PORT%/cgi/new.pl", false,
         postHead("POST /cgi/new.pl HTTP/1.0", "127.0.0.1:%PORT%", newBody),
         QString::fromUtf8(newBody)},
        {"POST, update", 1, false, "http://127.0.0.1:%PORT%/cgi/update.pl", false,
         postHead("POST /cgi/update.pl HTTP/1.0", "127.0.0.1:%PORT%", updateBody),
         QString::fromUtf8(updateBody)},
        {"GET, new listing", 2, true, "http://127.0.0.1:%PORT%/add.cgi?", false,
         "GET /add.cgi?" + newBody + " HTTP/1.0\r\nHost: 127.0.0.1:%PORT%\r\n" + Agent + "\r\n",
         QString::fromUtf8(newBody)},
        {"GET, update: CR as %20, LF dropped", 2, false, "http://127.0.0.1:%PORT%/change.cgi?",
         false,
         "GET /change.cgi?id=2.1&note=a%20b%20c HTTP/1.0\r\nHost: 127.0.0.1:%PORT%\r\n" + Agent +
             "\r\n",
         QStringLiteral("id=2.1&note=a%20b%20c")},
        {"POST through a proxy", 1, true, "http://listings.example:8080/cgi/new.pl", true,
         postHead("POST http://listings.example:8080/cgi/new.pl HTTP/1.0", "listings.example:8080",
                  newBody),
         QString::fromUtf8(newBody)},
        {"an address that cannot be expanded goes as it stands", 1, true,
         "http://127.0.0.1:%PORT%/x%NOSUCH%", false,
         postHead("POST /x%NOSUCH% HTTP/1.0", "127.0.0.1:%PORT%", newBody),
         QString::fromUtf8(newBody)},
    };
    for (const RequestCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTcpServer server;
        server.answerHttp(Thanks);
        engine.set(QStringLiteral("HTTP_POST_TYPE"), QString::number(c.postType));
        setAddresses(QString::fromLatin1(c.address), server.port());
        settings.proxyHost = c.viaProxy ? QStringLiteral("127.0.0.1") : QString();
        settings.proxyPort = server.port();
        view.runLog.clear();
        view.shown.clear();
        EXPECT_TRUE(post(c.newListing));
        EXPECT_EQ(server.received(), withPort(c.expected, server.port()));
        const QString host = c.viaProxy ? "listings.example" : "127.0.0.1";
        EXPECT_EQ(page().logTexts(),
                  (QStringList{"Post Data:", c.posted, "Connected to: " + host + "[0 - OK]",
                               "Start Transfer: " + host, "Transfered: 6bytes",
                               "End Transfer: " + host, "Disconnected: " + host + "[0 - OK]"}));
        EXPECT_TRUE(page().html().contains("Thanks"));
        EXPECT_EQ(view.runLog, QStringList{"Completed HTTP Post to: Site"});
        EXPECT_EQ(view.only("status http"),
                  (QStringList{"status http: Preparing to Post to Site",
                               "status http: HTTP Posting: Site", "status http: Posted on Site",
                               "status http: Idle"}));
    }
}

struct AnswerCase {
    const char* name;
    QByteArray answer;
    bool ok;
    QStringList runLog;
};

TEST_F(HttpPosterTest, WhatEachAnswerMakesOfThePost) {
    const AnswerCase cases[] = {
        {"302 Found", "HTTP/1.0 302 Found\r\nLocation: /thanks\r\n\r\n", true, {}},
        {"302 Moved Temporarily", "HTTP/1.0 302 Moved Temporarily\r\n\r\n", true, {}},
        {"302 Document Found", "HTTP/1.0 302 Document Found\r\n\r\n", true, {}},
        {"another redirect",
         "HTTP/1.0 303 See Other\r\n\r\n",
         false,
         {"Posting Error - 151: 303 See Other(Site)"}},
        {"404",
         "HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNot here.",
         false,
         {"Posting Error - 151: 404 Not Found(Site)"}},
        {"cut short of its Content-Length",
         "HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nshort",
         false,
         {"Posting Error - 154: Connection closed before the end of the answer.(Site)"}},
        {"an empty 200", "HTTP/1.0 200 OK\r\n\r\n", true, {"Completed HTTP Post to: Site"}},
    };
    engine.set(QStringLiteral("HTTP_POST_TYPE"), QStringLiteral("1"));
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTcpServer server;
        server.answerHttp(c.answer);
        setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
        view.runLog.clear();
        EXPECT_EQ(post(), c.ok);
        EXPECT_EQ(view.runLog, c.runLog);
        // A posting error also stands on the site's page.
        for (const QString& line : c.runLog)
            EXPECT_EQ(page().logTexts().contains(line), !c.ok);
    }
    // The 404's own page is kept for the user to read.
    FakeTcpServer server;
    server.answerHttp("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nNot here.");
    setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
    post();
    EXPECT_TRUE(page().html().contains("Not here."));
}

struct RefusalCase {
    const char* name;
    QString newScript;
    QString updateScript;
    QStringList runLog;
    QStringList pageLines;
};

TEST_F(HttpPosterTest, ScriptsThatSendNothing) {
    const RefusalCase cases[] = {
        {"a script of spaces",
         "   ",
         "x=1",
         {"No Engine Script For HTTP Post For: Site", "Unable to post HTTP to: Site"},
         {"No Engine Script For HTTP Post For: Site"}},
        {"a variable that cannot be expanded",
         "a=%NOSUCH%",
         "x=1",
         {"Unable to post HTTP to: Site"},
         {"SCRIPT ERROR FOR Site"}},
        {"an engine marked for a dedicated handler",
         "a=1",
         "HARDCODED->FILEMINE",
         {"HTTP posting is not available for: Site"},
         {"HTTP posting is not available for: Site"}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTcpServer server;
        server.answerHttp(Thanks);
        setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
        engine.scripts[SiteEngine::HttpNew] = c.newScript;
        engine.scripts[SiteEngine::HttpUpdate] = c.updateScript;
        view.runLog.clear();
        EXPECT_FALSE(post());
        EXPECT_EQ(server.connectionCount(), 0);
        EXPECT_EQ(view.runLog, c.runLog);
        EXPECT_EQ(page().logTexts(), c.pageLines);
    }
}

TEST_F(HttpPosterTest, ASiteThatNeverAnswersEndsWhenTheTimerFires) {
    FakeTcpServer server; // accepts, reads, never answers
    setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
    settings.httpTimeOutSeconds = 10;
    EXPECT_FALSE(post());
    EXPECT_EQ(view.runLog, QStringList{"Posting Error - 301: Interrupted(Site)"});
    EXPECT_TRUE(FakeTcpServer::httpRequestComplete(server.received()));
}

TEST_F(HttpPosterTest, SkipStopsThePostInProgress) {
    FakeTcpServer server;
    server.setOnData([this](QTcpSocket*, const QByteArray& all) {
        if (FakeTcpServer::httpRequestComplete(all))
            QTimer::singleShot(0, [this] { poster.abort(PostingStep::Abort::Skip); });
    });
    setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
    EXPECT_FALSE(post());
    EXPECT_EQ(view.runLog, QStringList{"Posting Error - 301: Interrupted(Site)"});
}

TEST_F(HttpPosterTest, AnAnswerIsKeptUpToItsLimitAndNeverShowsOnTheNextSitesPage) {
    FakeTcpServer server;
    const QByteArray body(3 * HttpAnswer::Limit, 'a');
    server.answerHttp("HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\n\r\n" + body);
    setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), server.port());
    EXPECT_TRUE(post());
    const ReportPage big = page();
    EXPECT_TRUE(big.logTexts().contains(HttpAnswer::CutNote));
    EXPECT_TRUE(big.html().contains(HttpAnswer::CutNote));
    EXPECT_LT(big.html().size(), HttpAnswer::Limit + 64 * 1024);

    setAddresses(QStringLiteral("http://127.0.0.1:%PORT%/form"), NetServerProcess::freePort());
    view.runLog.clear();
    EXPECT_FALSE(post());
    ASSERT_EQ(view.runLog.size(), 1);
    EXPECT_TRUE(view.runLog[0].startsWith("Posting Error - 10061: "))
        << view.runLog[0].toStdString();
    EXPECT_FALSE(page().html().contains("aaaa"));
}

} // namespace
