// A whole submission run through the Submit driver against a real web server nobody here wrote
// (Python's http.server, with the small form handler in tests/support): what arrived, what the
// site list holds afterwards, and the report folder the run left.
#include "commands/SubmitCommands.h"
#include "support/NetServerProcess.h"
#include "support/ReportPage.h"
#include "support/SubmitDriverRig.h"
#include "support/SubmitWorkspace.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

class SubmitRealServerTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    TempWorkspace served;
    NetServerProcess server{QStringLiteral("/usr/bin/python3"),
                            {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/NetHttpServer.py"),
                             QStringLiteral("%PORT%"), served.dir()}};

    void SetUp() override { ASSERT_TRUE(server.start(QByteArray())) << server.log().toStdString(); }
    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(server.port()).arg(path);
    }
    // What the server took, one line per request: method, path, content type, host, body.
    QStringList received() const {
        QStringList lines;
        for (const QByteArray& json : served.read("received.jsonl").split('\n')) {
            if (json.isEmpty())
                continue;
            const QJsonObject o = QJsonDocument::fromJson(json).object();
            lines << QStringList{o["method"].toString(), o["path"].toString(), o["type"].toString(),
                                 o["host"].toString(),
                                 QString::fromUtf8(o["body"].toString().toLatin1())}
                         .join(" | ");
        }
        return lines;
    }
};

TEST_F(SubmitRealServerTest, ARunOfSeveralSitesReachesTheServerAndIsRecorded) {
    SubmitWorkspace w(ws);
    w.writeSettings();
    w.formSite("Alpha", 1, url("/form/alpha/new"), url("/form/alpha/update"),
               QString::fromUtf8("name=%APPNAME%&ver=%APPVERSION%&note=Café au lait"), "x=1");
    w.formSite("Bravo", 2, url("/form/bravo/new?"), url("/form/bravo/update?"), "n=1",
               "name=%APPNAME%\r\nver=%APPVERSION%");
    w.formSite("Charlie", 1, url("/form/moved"), url("/form/moved"), "a=1", "a=1");
    w.formSite("Delta", 1, url("/form/missing"), url("/form/missing"), "a=2", "a=2");
    w.formSite("Echo", 1, url("/form/echo"), url("/form/echo"), "a=3", "a=3");
    w.plainSite("Foxtrot");
    w.storeList({{"Bravo", "Update", "N/A", "N/A", "1/1/99", "Y"},
                 {"Echo", "New", "N/A", "N/A", "Unknown", "N"}});
    w.finish();

    SubmitDriverRig rig(ws.dir());
    ASSERT_TRUE(rig.loaded);
    SubmitCommands& driver = rig.driver;
    RecordingRunView& view = rig.view;

    const SubmitCommands::Outcome outcome = driver.submitBtnClick();

    EXPECT_EQ(outcome.result, SubmitCommands::Result::Finished);
    EXPECT_EQ(outcome.succeeded, 4);
    EXPECT_EQ(outcome.failed, 1);
    const QString form = "application/x-www-form-urlencoded";
    const QString host = QStringLiteral("127.0.0.1:%1").arg(server.port());
    EXPECT_EQ(received(),
              (QStringList{"POST | /form/alpha/new | " + form + " | " + host + " | " +
                               QString::fromUtf8("name=Tool&ver=2.1&note=Café%20au%20lait"),
                           "GET | /form/bravo/update?name=Tool%20ver=2.1 |  | " + host + " | ",
                           "POST | /form/moved | " + form + " | " + host + " | a=1",
                           "POST | /form/missing | " + form + " | " + host + " | a=2"}))
        << received().join('\n').toStdString();

    const QString today = QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    const auto row = [](const QStringList& fields) {
        return SubmitWorkspace::siteListLine(fields);
    };
    EXPECT_EQ(QString::fromUtf8(ws.read("data/Tool_SITES.dat")).split("\r\n", Qt::SkipEmptyParts),
              (QStringList{row({"Alpha", "Update", "N/A", "N/A", today, "Y"}),
                           row({"Bravo", "Update", "N/A", "N/A", today, "Y"}),
                           row({"Charlie", "Update", "N/A", "N/A", today, "Y"}),
                           row({"Delta", "New", "N/A", "N/A", "Unknown", "Y"}),
                           row({"Echo", "New", "N/A", "N/A", "Unknown", "N"}),
                           row({"Foxtrot", "Update", "N/A", "N/A", today, "Y"})}));

    EXPECT_EQ(view.runLog,
              (QStringList{"Completed HTTP Post to: Alpha", "Completed HTTP Post to: Bravo",
                           "Posting Error - 151: 404 Not Found(Delta)"}));
    const QString folder = QFileInfo(driver.mainReportPath()).path();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files, QDir::Name),
              (QStringList{"Alpha _HTTP.htm", "Bravo _HTTP.htm", "Charlie _HTTP.htm",
                           "Delta _HTTP.htm", "LogReport.htm", "MainReport.htm"}));
    const ReportPage alpha(folder + "/Alpha _HTTP.htm");
    EXPECT_TRUE(alpha.html().contains("Thank you for your submission."));
    EXPECT_EQ(
        alpha.logTexts().mid(0, 3),
        (QStringList{"Post Data:", QString::fromUtf8("name=Tool&ver=2.1&note=Café%20au%20lait"),
                     "Connected to: 127.0.0.1[0 - OK]"}));
    EXPECT_EQ(alpha.logTexts().last(), "Disconnected: 127.0.0.1[0 - OK]");
    EXPECT_TRUE(ReportPage(folder + "/Delta _HTTP.htm")
                    .logTexts()
                    .contains("Posting Error - 151: 404 Not Found(Delta)"));
    EXPECT_EQ(ReportPage(folder + "/LogReport.htm").logTexts(), view.runLog);
}

} // namespace
