// A whole run through the Submit driver with posting steps the test scripts: the walk over the
// list, the steps in their order, Skip, Cancel, failures inside steps, and what the run leaves
// in the site list, the run log and the report folder.
#include "SubmitFixture.h"

#include "engines/TEngBuild.h"
#include "support/ReportPage.h"

#include <QFileInfo>
#include <stdexcept>

namespace {

using Result = SubmitCommands::Result;
using Answer = Prompter::Answer;

class SubmissionRunTest : public SubmitFixture {
protected:
    FakeStep ftp, http, mail;

    void installFakes() {
        driver.installStep(RunView::Method::Ftp, &ftp);
        driver.installStep(RunView::Method::Http, &http);
        driver.installStep(RunView::Method::Email, &mail);
    }
    static QByteArray allMethods() {
        return "USE_FTP_UPLOAD=1\r\nUSE_HTTP_POST=1\r\nHTTP_NEW_SCRIPT_URL=  http://127.0.0.1/\r\n"
               "HTTP_UPDATE_SCRIPT_URL=http://127.0.0.1/u\r\nUSE_EMAIL=1\r\n"
               "EMAIL_TONAME=new@example.com\r\nEMAIL_TONAME_UPDATE=\r\n";
    }
    QString runFolderFile(const QString& name) const {
        return QFileInfo(driver.mainReportPath()).path() + "/" + name;
    }
};

TEST_F(SubmissionRunTest, AWalkOverEveryKindOfRowWithoutPostingSteps) {
    engine("Alpha", "");
    engine("Beta", "USE_FTP_UPLOAD=1\r\n");
    engine("Delta", "");
    engine("Echo", "");
    engine("Foxtrot", "USE_EMAIL=1\r\nEMAIL_TONAME=new@example.com\r\n");
    engine("Gamma", "");
    for (const auto method : {RunView::Method::Ftp, RunView::Method::Http, RunView::Method::Email})
        driver.installStep(method, nullptr);
    start({line({"Delta", "New", "N/A", "N/A", "Unknown", ""}),
           line({"Gamma", "New", "N/A", "N/A", "1/1/99", "N"})});
    QFile::remove(ws.path("sites/Echo.ini"));

    const auto outcome = submit();

    EXPECT_EQ(outcome.result, Result::Finished);
    EXPECT_EQ(outcome.succeeded, 2);
    EXPECT_EQ(outcome.failed, 3);
    EXPECT_EQ(finished, (QList<std::pair<QString, bool>>{{"Alpha", true},
                                                         {"Beta", false},
                                                         {"Delta", true},
                                                         {"Echo", false},
                                                         {"Foxtrot", false}}));
    EXPECT_EQ(view.runLog,
              (QStringList{"FTP posting is not available for: Beta", "No engine file for: Echo",
                           "EMAIL posting is not available for: Foxtrot"}));
    EXPECT_EQ(siteListFile(), (QStringList{line({"Alpha", "Update", "N/A", "N/A", today(), "Y"}),
                                           line({"Beta", "New", "N/A", "N/A", "Unknown", "Y"}),
                                           line({"Delta", "Update", "N/A", "N/A", today(), ""}),
                                           line({"Echo", "New", "N/A", "N/A", "Unknown", "Y"}),
                                           line({"Foxtrot", "New", "N/A", "N/A", "Unknown", "Y"}),
                                           line({"Gamma", "New", "N/A", "N/A", "1/1/99", "N"})}));
    EXPECT_EQ(reportFiles(), (QStringList{"Beta _FTP.htm", "Foxtrot _EMAIL.htm", "LogReport.htm",
                                          "MainReport.htm"}));
    EXPECT_EQ(ReportPage(runFolderFile("Beta _FTP.htm")).logTexts(),
              QStringList{"FTP posting is not available for: Beta"});
    const QString main = ReportPage(driver.mainReportPath()).html();
    EXPECT_TRUE(main.contains(">2<") && main.contains(">3<")) << main.toStdString();
    EXPECT_EQ(ReportPage(runFolderFile("LogReport.htm")).logTexts(), view.runLog);

    EXPECT_EQ(view.only("posting"), (QStringList{"posting: on", "posting: off"}));
    EXPECT_EQ(view.only("counters"),
              (QStringList{"counters: 5 0", "counters: 4 1", "counters: 3 2", "counters: 2 3",
                           "counters: 1 4", "counters: 0 5", "counters: 0 0"}));
    EXPECT_EQ(view.only("site"),
              (QStringList{"site: Alpha", "site: Beta", "site: Delta", "site: Foxtrot", "site: "}));
    EXPECT_EQ(view.only("led ftp"),
              (QStringList(2, "led ftp: off") << "led ftp: blinking"
                                              << "led ftp: lit" << QStringList(5, "led ftp: off")));
    EXPECT_FALSE(session.Posting);
    EXPECT_FALSE(driver.isPosting());
    EXPECT_EQ(session.app().longDescription, "A long description.\r\n");
    EXPECT_TRUE(session.AppUnsaved);
}

TEST_F(SubmissionRunTest, StepsRunInTheirOrderWithRetriesAndTheCopy) {
    engine("Alpha", allMethods() + "EMAIL_SEND_COPY=1\r\n");
    engine("Beta", allMethods());
    installFakes();
    start({line({"Beta", "Update", "N/A", "N/A", "Unknown", "Y"})});
    session.settings.FtpRetries = 2;
    QStringList order;
    for (FakeStep* step : {&ftp, &http, &mail})
        step->onRun = [&order, step, this](const PostingJob& job) {
            order << (step == &ftp ? "ftp " : step == &http ? "http " : "mail ") + job.site;
            return step != &ftp; // every upload fails
        };
    ftp.onRun = [&order](const PostingJob& job) {
        order << "ftp " + job.site;
        return false;
    };

    const auto outcome = submit();

    // Beta is an update: its e-mail address for updates is empty, so no e-mail.
    EXPECT_EQ(order, (QStringList{"ftp Alpha", "ftp Alpha", "ftp Alpha", "http Alpha", "mail Alpha",
                                  "mail Alpha", "ftp Beta", "ftp Beta", "ftp Beta", "http Beta"}));
    EXPECT_EQ(mail.calls, (QStringList{"run Alpha", "run Alpha copy"}));
    EXPECT_EQ(ftp.calls.count("finish"), 2);
    EXPECT_EQ(outcome.failed, 2);
    EXPECT_EQ(reportFiles(),
              (QStringList{"Alpha _EMAIL.htm", "Alpha _FTP.htm", "Alpha _HTTP.htm", "Beta _FTP.htm",
                           "Beta _HTTP.htm", "LogReport.htm", "MainReport.htm"}));
}

struct RetryCase {
    int setting;
    int attempts;
};

TEST_F(SubmissionRunTest, AFailingUploadIsTriedRetriesPlusOneTimes) {
    engine("Alpha", "USE_FTP_UPLOAD=1\r\n");
    installFakes();
    start();
    ftp.onRun = [](const PostingJob&) { return false; };
    for (const RetryCase c : {RetryCase{0, 1}, RetryCase{3, 4}, RetryCase{80, 51}}) {
        SCOPED_TRACE(c.setting);
        reload();
        ftp.calls.clear();
        session.settings.FtpRetries = c.setting;
        submit();
        EXPECT_EQ(ftp.runs(), c.attempts);
    }
}

TEST_F(SubmissionRunTest, TheTranscriptOfTheUploadGoesOnItsPage) {
    engine("Alpha", "USE_FTP_UPLOAD=1\r\n");
    installFakes();
    start();
    ftp.onRun = [this](const PostingJob&) {
        driver.trail().AddFtpLog("220 ready");
        driver.trail().AddFtpLog("226 stored");
        return true;
    };
    submit();
    EXPECT_EQ(view.ftpLog, (QStringList{"220 ready", "226 stored"}));
    EXPECT_EQ(ReportPage(runFolderFile("Alpha _FTP.htm")).logTexts(),
              (QStringList{"220 ready", "226 stored"}));
}

TEST_F(SubmissionRunTest, SkipDuringTheUploadLeavesTheRestOfThatSiteOut) {
    engine("Alpha", allMethods());
    engine("Beta", allMethods());
    installFakes();
    start();
    ftp.onRun = [this](const PostingJob& job) {
        if (job.site == "Alpha")
            driver.skipClick();
        return job.site != "Alpha";
    };
    const auto outcome = submit();
    EXPECT_EQ(ftp.calls, (QStringList{"run Alpha", "abort skip", "finish", "run Beta", "finish"}));
    EXPECT_EQ(http.calls, (QStringList{"abort skip", "run Beta"}));
    EXPECT_EQ(mail.calls, (QStringList{"abort skip", "run Beta"}));
    EXPECT_EQ(view.runLog, QStringList{"SKIPPED -> Alpha"});
    EXPECT_EQ(finished, (QList<std::pair<QString, bool>>{{"Alpha", false}, {"Beta", true}}));
    EXPECT_EQ(outcome.result, Result::Finished);
}

TEST_F(SubmissionRunTest, ASkippedStepThatStillSucceededCountsTheSite) {
    engine("Alpha", allMethods());
    installFakes();
    start();
    http.onRun = [this](const PostingJob&) {
        driver.skipClick();
        return true;
    };
    submit();
    EXPECT_EQ(mail.calls, QStringList{"abort skip"});
    EXPECT_EQ(finished, (QList<std::pair<QString, bool>>{{"Alpha", true}}));
    EXPECT_EQ(view.runLog, QStringList{"SKIPPED -> Alpha"});
    EXPECT_EQ(siteListFile().first(), line({"Alpha", "Update", "N/A", "N/A", today(), "Y"}));
}

struct CancelCase {
    const char* name;
    Answer answer;
    Result result;
    QList<std::pair<QString, bool>> finished;
    QStringList httpCalls;
};

TEST_F(SubmissionRunTest, CancelAsksAndEndsTheRunAfterTheCurrentStep) {
    const CancelCase cases[] = {
        {"Yes", Answer::Yes, Result::Cancelled, {{"Alpha", false}}, {"run Alpha", "abort cancel"}},
        {"No",
         Answer::No,
         Result::Finished,
         {{"Alpha", false}, {"Beta", true}},
         {"run Alpha", "run Beta"}},
    };
    engine("Alpha", allMethods());
    engine("Beta", allMethods());
    installFakes();
    start();
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.name);
        reload();
        for (FakeStep* step : {&ftp, &http, &mail})
            step->calls.clear();
        finished.clear();
        prompter.shown.clear();
        view.shown.clear();
        http.onRun = [this, &c](const PostingJob& job) {
            if (job.site != "Alpha")
                return true;
            prompter.answers.push_back(c.answer);
            driver.cancelClick();
            return false;
        };
        const auto outcome = submit();
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(finished, c.finished);
        EXPECT_EQ(http.calls, c.httpCalls);
        EXPECT_EQ(prompter.shown, (QStringList{"confirm: Sure you want to cancel all posts?",
                                               "confirm: Submission Process Done. View Report?"}));
        EXPECT_TRUE(QFileInfo::exists(driver.mainReportPath()));
        EXPECT_EQ(view.only("posting").last(), "posting: off");
    }
    // Cancelled: Alpha's e-mail never started, Beta is untouched in the saved list.
    EXPECT_EQ(siteListFile()[1], line({"Beta", "Update", "N/A", "N/A", today(), "Y"}));
}

TEST_F(SubmissionRunTest, ACancelledRunLeavesTheNextSitesUntouched) {
    engine("Alpha", allMethods());
    engine("Beta", allMethods());
    installFakes();
    start();
    ftp.onRun = [this](const PostingJob&) {
        driver.cancelConfirmed();
        return true;
    };
    const auto outcome = submit();
    EXPECT_EQ(outcome.result, Result::Cancelled);
    EXPECT_EQ(outcome.succeeded, 1);
    EXPECT_TRUE(http.calls.isEmpty() || http.calls == QStringList{"abort cancel"});
    EXPECT_EQ(siteListFile(), (QStringList{line({"Alpha", "New", "N/A", "N/A", "Unknown", "Y"}),
                                           line({"Beta", "New", "N/A", "N/A", "Unknown", "Y"})}));
    EXPECT_EQ(view.only("progress").last(), "progress: 0/2");
}

TEST_F(SubmissionRunTest, AStepThatThrowsFailsItsMethodAndTheRunGoesOn) {
    engine("Alpha", allMethods());
    engine("Beta", allMethods());
    installFakes();
    start();
    http.onRun = [](const PostingJob& job) -> bool {
        if (job.site == "Alpha")
            throw std::runtime_error("the form broke");
        throw 42;
    };
    const auto outcome = submit();
    EXPECT_EQ(outcome.result, Result::Finished);
    EXPECT_EQ(view.runLog, (QStringList{"HTTP posting failed for Alpha: the form broke",
                                        "HTTP posting failed for Beta: unknown error"}));
    EXPECT_EQ(mail.runs(), 2);
    EXPECT_EQ(ReportPage(runFolderFile("Alpha _HTTP.htm")).logTexts(),
              QStringList{"HTTP posting failed for Alpha: the form broke"});
}

TEST_F(SubmissionRunTest, WhileTheRunPostsItIsInThePostingStateOnTheRowItPosts) {
    engine("Alpha", "");
    engine("Beta", "USE_HTTP_POST=1\r\nHTTP_NEW_SCRIPT_URL=http://127.0.0.1/\r\n");
    installFakes();
    start();
    QStringList seen;
    http.onRun = [&](const PostingJob& job) {
        seen << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(session.Posting)
                    .arg(driver.isPosting())
                    .arg(driver.CurrentRow())
                    .arg(job.row)
                    .arg(session.gwide().engBuild()->current().name);
        return true;
    };
    EXPECT_EQ(driver.CurrentRow(), -1);
    submit();
    EXPECT_EQ(seen, QStringList{"1 1 1 1 Beta"});
    EXPECT_FALSE(session.Posting);
    EXPECT_EQ(driver.CurrentRow(), -1);
}

TEST_F(SubmissionRunTest, AnEngineNameUnfitForFilesNeverReachesTheRun) {
    // A name the desktop refuses for files, found in an old engine list.
    const QString oddName = QStringLiteral("Back\\Slash");
    engine(oddName, "USE_FTP_UPLOAD=1\r\n");
    engine("Bravo", "");
    installFakes();
    start();
    const auto outcome = submit();
    EXPECT_EQ(outcome.succeeded, 1);
    EXPECT_EQ(finished, (QList<std::pair<QString, bool>>{{"Bravo", true}}));
    EXPECT_TRUE(view.runLog.isEmpty()) << view.runLog.join('\n').toStdString();
    EXPECT_FALSE(QString::fromUtf8(ws.read("data/Tool_SITES.dat")).contains(oddName));
}

TEST_F(SubmissionRunTest, AnEngineThatCannotBeLoadedStopsOnlyItsSite) {
    engine("Alpha", "");
    engine("Bravo", "");
    start();
    QDir().mkpath(ws.path("cat/Alpha Cat1.cat")); // a folder where a file should be
    const auto outcome = submit();
    EXPECT_EQ(outcome.result, Result::Finished);
    EXPECT_EQ(view.runLog, QStringList{"Posting stopped for Alpha: Cannot open file " +
                                       ws.path("cat/Alpha Cat1.cat") + ": Not a regular file"})
        << view.runLog.join('\n').toStdString();
    EXPECT_EQ(finished, (QList<std::pair<QString, bool>>{{"Bravo", true}}));
    EXPECT_TRUE(QFileInfo::exists(driver.mainReportPath()));
}

} // namespace
