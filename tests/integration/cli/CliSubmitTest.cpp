// shipkit-cli submit from the outside: what it prints on stdout and stderr, its exit codes,
// the report it points to, and SIGINT in the middle of a site.
#include "support/CliRun.h"
#include "support/FakeTcpServer.h"
#include "support/NetServerProcess.h"
#include "support/ReportPage.h"
#include "support/SubmitWorkspace.h"
#include "support/TempWorkspace.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

const QStringList Submit = {"submit", "--company", "Acme", "--app", "Tool"};

class CliSubmitTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    SubmitWorkspace w{ws};

    CliRun run(const QStringList& args) { return CliRun::inWorkspace(ws, args); }
    QStringList siteList() const {
        return QString::fromUtf8(ws.read("data/Tool_SITES.dat")).split("\r\n", Qt::SkipEmptyParts);
    }
    static QString reportPath(const CliRun& r) {
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        return lines.last().startsWith("Report: ") ? QString::fromUtf8(lines.last().mid(8))
                                                   : QString();
    }
};

class CliSubmitServerTest : public CliSubmitTest {
protected:
    TempWorkspace served;
    NetServerProcess server{QStringLiteral("/usr/bin/python3"),
                            {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/NetHttpServer.py"),
                             QStringLiteral("%PORT%"), served.dir()}};

    void SetUp() override {
        ASSERT_TRUE(server.start(QByteArray())) << server.log().toStdString();
        const QString base = QStringLiteral("http://127.0.0.1:%1").arg(server.port());
        w.writeSettings();
        w.formSite("Alpha", 1, base + "/form/alpha", base + "/form/alpha", "a=1", "a=1");
        w.formSite("Delta", 1, base + "/form/missing", base + "/form/missing", "d=1", "d=1");
        w.plainSite("Foxtrot");
        w.finish();
    }
};

TEST_F(CliSubmitServerTest, OneLinePerSiteThenTheReportAndExitFourWhenASiteFailed) {
    const CliRun r = run(Submit);
    EXPECT_EQ(r.exitCode, 4) << r.err.toStdString();
    const QString report = reportPath(r);
    EXPECT_EQ(r.out, "Alpha\tsuccess\nDelta\tfailure\nFoxtrot\tsuccess\nReport: " +
                         report.toUtf8() + "\n");
    EXPECT_TRUE(report.startsWith(ws.path("reports/Tool/")));
    EXPECT_TRUE(report.endsWith("/MainReport.htm"));
    EXPECT_TRUE(QFileInfo::exists(report));
    EXPECT_TRUE(r.err.startsWith("Total Sites: 3\nNew: 3\nUpdate: 0\nHTTP: 2\nFTP: 0\n"
                                 "FTP w/Zips: 0\nEMAIL: 0\n"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("\nCompleted HTTP Post to: Alpha\n"));
    EXPECT_TRUE(r.err.contains("\nPosting Error - 151: 404 Not Found(Delta)\n"));
}

TEST_F(CliSubmitServerTest, NamedSitesOnlyAndExitZeroWhenEveryOneSucceeded) {
    const CliRun r = run(Submit + QStringList{"--site", "Foxtrot", "--site", "Alpha"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.left(r.out.indexOf("Report: ")), "Alpha\tsuccess\nFoxtrot\tsuccess\n");
    EXPECT_TRUE(r.err.startsWith("Total Sites: 2\n"));
    EXPECT_EQ(siteList()[1],
              SubmitWorkspace::siteListLine({"Delta", "New", "N/A", "N/A", "Unknown", "Y"}));
    EXPECT_FALSE(served.read("received.jsonl").contains("missing"));
}

struct RefusalCase {
    const char* name;
    QStringList extra;
    bool mail;
    int exitCode;
    QByteArray err; // a line stderr must hold
};

TEST_F(CliSubmitTest, RunsThatDoNotStart) {
    w.plainSite("Alpha");
    w.finish();
    const RefusalCase cases[] = {
        {"an unknown site",
         {"--site", "Nope"},
         true,
         1,
         "shipkit-cli: No site named \"Nope\" in the site list of \"Tool\"."},
        {"the mail settings missing", {}, false, 1, "shipkit-cli: the mail settings are missing"},
        {"a value missing", {"--site"}, true, 2, "shipkit-cli: --site needs a value"},
        {"an unknown option",
         {"--sight", "Alpha"},
         true,
         2,
         "shipkit-cli: submit does not take --sight"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        w.writeSettings(c.mail);
        const CliRun r = run(Submit + c.extra);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(ws.path("reports/Tool")));
    }
    w.writeSettings();
    const CliRun company = run({"submit", "--company", "Nobody", "--app", "Tool"});
    EXPECT_EQ(company.exitCode, 1);
    EXPECT_EQ(run({"submit", "--company", "Acme"}).exitCode, 2);
    QFile::remove(ws.path("files/tool.zip"));
    const CliRun check = run(Submit);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.err.contains(
        "You have selected an invalid local path for this application's file.\n"));
}

// Starts a run whose first site's server takes the post and never answers.
class CliSubmitSignalTest : public CliSubmitTest {
protected:
    FakeTcpServer server;
    QProcess cli;

    void SetUp() override {
        w.writeSettings();
        const QString url = QStringLiteral("http://127.0.0.1:%1/form").arg(server.port());
        w.formSite("Alpha", 1, url, url, "a=1", "a=1");
        w.plainSite("Bravo");
        w.finish();
        cli.start(CliRun::programPath("shipkit-cli"),
                  QStringList{"--workspace", ws.dir()} + Submit);
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return FakeTcpServer::httpRequestComplete(server.received()); }, 30000))
            << cli.readAllStandardError().toStdString();
    }
    void TearDown() override {
        if (cli.state() != QProcess::NotRunning)
            cli.kill();
        cli.waitForFinished(5000);
    }
    bool finished() {
        return QTest::qWaitFor([this] { return cli.state() == QProcess::NotRunning; }, 30000);
    }
};

TEST_F(CliSubmitSignalTest, SigintDuringASiteCancelsTheRunWithExitFive) {
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(finished());
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 5);
    const QByteArray out = cli.readAllStandardOutput();
    const QByteArray err = cli.readAllStandardError();
    ASSERT_TRUE(out.startsWith("Alpha\tfailure\nReport: ")) << out.toStdString();
    const QString report = QString::fromUtf8(out.mid(out.indexOf("Report: ") + 8).trimmed());
    EXPECT_TRUE(QFileInfo::exists(report));
    EXPECT_TRUE(err.contains("\nPosting Error - 301: Interrupted(Alpha)\n")) << err.toStdString();
    EXPECT_EQ(ReportPage(QFileInfo(report).path() + "/LogReport.htm").logTexts(),
              QStringList{"Posting Error - 301: Interrupted(Alpha)"});
    EXPECT_EQ(siteList(),
              (QStringList{
                  SubmitWorkspace::siteListLine({"Alpha", "New", "N/A", "N/A", "Unknown", "Y"}),
                  SubmitWorkspace::siteListLine({"Bravo", "New", "N/A", "N/A", "Unknown", "Y"})}));
}

TEST_F(CliSubmitSignalTest, ASecondSignalEndsTheProcessWith130) {
    // Two different signals: a second one of the same kind could merge with the first.
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ::kill(static_cast<pid_t>(cli.processId()), SIGTERM);
    ASSERT_TRUE(finished());
    EXPECT_EQ(cli.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(cli.exitCode(), 130);
}

} // namespace
