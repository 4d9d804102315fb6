// shipkit-cli submit against the demo download sites (real servers nobody here wrote, started on
// free loopback ports): the shipped demo workspace as run.sh submits it, twice, and a run over
// sites that use HTTP, e-mail, FTP and all three.
#include "support/CliRun.h"
#include "support/DemoSites.h"
#include "support/ReportPage.h"
#include "support/SubmitWorkspace.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QStringList Submit = {"--now",     "2026-12-08T09:30:00",     "submit",
                            "--company", "Larkspur Lane Softworks", "--app",
                            "Kitepad"};

class CliSubmitDemoSitesTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    DemoSites sites;

    void SetUp() override {
        ASSERT_TRUE(sites.start()) << sites.log().toStdString();
        ws.copyFrom(QStringLiteral(SHIPKIT_SOURCE_DIR "/demo"));
    }
    void point() { ASSERT_TRUE(sites.point(ws.dir())); }

    static QString reportPath(const CliRun& r) {
        const QList<QByteArray> lines = r.out.trimmed().split('\n');
        return lines.last().startsWith("Report: ") ? QString::fromUtf8(lines.last().mid(8))
                                                   : QString();
    }
    static QByteArray sitesOut(const QStringList& names, const CliRun& r) {
        QByteArray out;
        for (const QString& name : names)
            out += name.toUtf8() + "\tsuccess\n";
        return out + "Report: " + reportPath(r).toUtf8() + "\n";
    }
    QStringList siteList() const {
        return QString::fromUtf8(ws.read("data/Kitepad_SITES.dat"))
            .split("\r\n", Qt::SkipEmptyParts);
    }
    static QStringList updated(const QList<QStringList>& rows) {
        const QString today = QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
        QStringList lines;
        for (const QStringList& r : rows)
            lines << SubmitWorkspace::siteListLine({r[0], "Update", r[1], r[2], today, "Y"});
        return lines;
    }
};

const QStringList DemoSiteNames = {"Cedar Downloads", "Lantern Shareware Index",
                                   "Mailbag Software List", "Upload Depot"};

TEST_F(CliSubmitDemoSitesTest, TheDemoWorkspacePostsEverywhereThenUpdates) {
    point();
    const CliRun first = CliRun::inWorkspace(ws, Submit);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, sitesOut(DemoSiteNames, first));
    const CliRun second = CliRun::inWorkspace(ws, Submit);
    EXPECT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_EQ(second.out, sitesOut(DemoSiteNames, second));

    const QString images = "kitepad.gif 125, screen.gif 543";
    const QString contact = "mail maren.holloway@example.com | ";
    EXPECT_EQ(
        sites.received(),
        (QStringList{"form POST /cedar/submit company=Larkspur Lane Softworks (22 fields)",
                     "form GET /lantern/add.cgi name=Kitepad (13 fields)",
                     "mail new-listings@example.com | New listing: Kitepad 2.1 | " + images,
                     contact + "New listing: Kitepad 2.1 (Mailbag Software List) | " + images,
                     "ftp /incoming/kitepad21.zip 233", "ftp /incoming/FILE_ID.DIZ 237",
                     "form POST /cedar/update action=update (10 fields)",
                     "form GET /lantern/change.cgi name=Kitepad (7 fields)",
                     "mail updates@example.com | Listing update: Kitepad 2.1 | " + images,
                     contact + "Listing update: Kitepad 2.1 (Mailbag Software List) | " + images,
                     "ftp /incoming/kitepad21.zip 233", "ftp /incoming/FILE_ID.DIZ 237"}))
        << sites.received().join('\n').toStdString();
    EXPECT_EQ(sites.kept(4, "kitepad21.zip"), ws.read("release/kitepad21.zip"));
    EXPECT_TRUE(sites.kept(0, "request.txt").startsWith("POST /cedar/submit HTTP/1.0\r\n"));
    EXPECT_EQ(siteList(),
              updated({{"Cedar Downloads", "Desktop Enhancements", "Notes and Organizers"},
                       {"Lantern Shareware Index", "Business and Finance", "N/A"},
                       {"Mailbag Software List", "Desktop", "N/A"},
                       {"Upload Depot", "N/A", "N/A"}}));

    const QString front = sites.frontPage();
    EXPECT_TRUE(front.contains("<p>12 received, newest first.</p>")) << front.toStdString();
    EXPECT_LT(front.indexOf("Listing update: Kitepad 2.1"),
              front.indexOf("New listing: Kitepad 2.1"));
}

TEST_F(CliSubmitDemoSitesTest, SitesByHttpMailFtpAndAllThreeInOneRun) {
    ws.write("sites/Every Way.ini",
             "[SETTINGS]\r\nUSE_HTTP_POST=1\r\nHTTP_POST_TYPE=1\r\n"
             "HTTP_NEW_SCRIPT_URL=http://127.0.0.1:1/every/new\r\n"
             "USE_FTP_UPLOAD=1\r\nFTP_SERVER=127.0.0.1\r\nLOGIN_NAME=kitepad\r\n"
             "LOGIN_PASSWORD=" +
                 QByteArray(DemoSites::FtpPassword) +
                 "\r\nREMOTE_PATH=/incoming/\r\nADD_FILE_TO_ZIP=1\r\n"
                 "FTP_FILENAME=EVERY.TXT\r\nUSE_EMAIL=1\r\nEMAIL_TONAME=every@example.com\r\n"
                 "EMAIL_SUBJECT=%APPNAME% for every way\r\nEMAIL_ATTACH_ICO=1\r\n");
    ws.write("sites/Every Way HTTP_NEW.scp", "app=%APPNAME%\r\n");
    ws.write("sites/Every Way FTP_NEW.scp", "%APPNAME% %APPVERSION%\r\n");
    ws.write("sites/Every Way EMAIL_NEW.scp", "Please list %APPNAME%.\r\n");
    ws.write("sites/Sites.dat",
             "Cedar Downloads\r\nMailbag Software List\r\nUpload Depot\r\nEvery Way\r\n");
    point();

    const CliRun r = CliRun::inWorkspace(ws, Submit);

    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList names = {"Cedar Downloads", "Every Way", "Mailbag Software List",
                               "Upload Depot"};
    EXPECT_EQ(r.out, sitesOut(names, r));
    EXPECT_EQ(siteList(),
              updated({{"Cedar Downloads", "Desktop Enhancements", "Notes and Organizers"},
                       {"Every Way", "N/A", "N/A"},
                       {"Mailbag Software List", "Desktop", "N/A"},
                       {"Upload Depot", "N/A", "N/A"}}));
    EXPECT_EQ(sites.received().mid(1, 4),
              (QStringList{"ftp /incoming/kitepad21.zip 233", "ftp /incoming/EVERY.TXT 12",
                           "form POST /every/new app=Kitepad (1 fields)",
                           "mail every@example.com | Kitepad for every way | kitepad.ico 318"}))
        << sites.received().join('\n').toStdString();

    const QString folder = QFileInfo(reportPath(r)).path();
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files, QDir::Name),
        (QStringList{"Cedar Downloads _HTTP.htm", "Every Way _EMAIL.htm", "Every Way _FTP.htm",
                     "Every Way _HTTP.htm", "LogReport.htm", "Mailbag Software List _EMAIL.htm",
                     "MainReport.htm", "Upload Depot _FTP.htm"}));
    // The main report links every other page, and each of them is there.
    static const QRegularExpression link(QStringLiteral("href=\"(file://[^\"]*)\""));
    const QString main = ReportPage(reportPath(r)).html();
    QStringList linked;
    for (const QRegularExpressionMatch& m : link.globalMatch(main)) {
        const QFileInfo page(QUrl(m.captured(1)).toLocalFile());
        EXPECT_TRUE(page.isFile()) << page.filePath().toStdString();
        linked << page.fileName();
    }
    QStringList pages = QDir(folder).entryList({"* _*.htm", "LogReport.htm"}, QDir::Files);
    linked.sort();
    pages.sort();
    EXPECT_EQ(linked, pages);
    for (const QString& page : QDir(folder).entryList(QDir::Files)) {
        const ReportPage report(folder + "/" + page);
        EXPECT_TRUE(report.exists()) << page.toStdString();
        EXPECT_FALSE(report.html().contains(DemoSites::FtpPassword)) << page.toStdString();
    }
    EXPECT_TRUE(ReportPage(folder + "/Every Way _FTP.htm").html().contains("PASS ********"));
    EXPECT_FALSE(r.err.contains(DemoSites::FtpPassword));
}

} // namespace
