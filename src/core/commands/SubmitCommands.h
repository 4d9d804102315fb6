#pragma once

#include "reports/TReportsFrm.h"
#include "submit/AppSiteList.h"
#include "submit/FtpStep.h"
#include "submit/HttpAnswer.h"
#include "submit/HttpPoster.h"
#include "submit/MailStep.h"
#include "submit/RunReportInputs.h"
#include "submit/RunTrail.h"
#include "submit/RunView.h"
#include "submit/SubmissionRun.h"
#include "submit/TrailView.h"

#include <QObject>
#include <QStringList>

class ApplicationCommands;
class CompanyCommands;
class Session;
class SiteBuilderCommands;
struct Settings;

// "Save/Submit", "Skip" and "Cancel" of the Submit page, which shipkit-cli submit runs too: the
// checks and questions before a run, the posting state around it, the question after it.
class SubmitCommands : public QObject {
    Q_OBJECT
public:
    enum class Result { NotStarted, Finished, Cancelled };
    struct Outcome {
        Result result = Result::NotStarted;
        int succeeded = 0;
        int failed = 0;
    };

    SubmitCommands(Session& session, RunView& view, CompanyCommands& companies,
                   ApplicationCommands& apps, SiteBuilderCommands& engines,
                   QObject* parent = nullptr);
    ~SubmitCommands() override;

    // Later runs post only these sites (shipkit-cli's --site); empty: every site.
    void setOnlySites(const QStringList& sites) { m_only = sites; }
    // Plugs in the step of a method; the HTTP step is there from the start. nullptr leaves the
    // method out. A step must outlive the runs it is used in.
    void installStep(RunView::Method method, PostingStep* step);
    // Where a plugged-in step writes: the run log and the FTP transcript, and the site pages.
    RunTrail& trail() { return m_trail; }
    TReportsFrm& reports() { return m_reports; }

    // Returns when the run is over, or at once when it did not start.
    Outcome submitBtnClick();
    void skipClick();
    // Asks "Sure you want to cancel all posts?" first.
    void cancelClick();
    // A Cancel that needs no question (SIGINT and SIGTERM of the command line).
    void cancelConfirmed();
    bool isPosting() const { return m_run != nullptr; }
    // A confirmed Cancel is ending the run in progress.
    bool cancelling() const { return m_run != nullptr && m_cancelling; }
    // CurrentRow of the run in progress; -1 when none runs.
    int CurrentRow() const { return m_run ? m_run->CurrentRow() : -1; }
    // MainReportPath of the last run.
    const QString& mainReportPath() const { return m_reports.MainReportPath(); }

Q_SIGNALS:
    // A site's outcome was counted.
    void siteFinished(const QString& site, bool success);
    // "Submission Process Done. View Report?" was answered Yes.
    void viewReportRequested(const QString& path);

private:
    Outcome click();
    bool mailSettingsReady();
    bool applicationReady();
    bool saveQuestions();
    // The verifying count: categories, an empty run, the verification; false stops the click.
    bool CountSitesToPost();
    void refuseCount(int row, const QString& message);
    Outcome post();
    RunPlan plan(const Settings& settings);
    void prepareSteps(const Settings& settings);
    void wrapLongDescription();
    void enterPosting();
    void leavePosting();
    void askToViewReport();

    Session& m_session;
    RunView& m_view;
    CompanyCommands& m_companies;
    ApplicationCommands& m_apps;
    SiteBuilderCommands& m_engines;
    HttpAnswer m_answer;
    RunTrail m_trail;
    RunReportInputs m_inputs;
    TReportsFrm m_reports;
    HttpPoster m_http;
    TrailView m_stepView;
    FtpStep m_ftp;
    MailStep m_mail;
    RunSteps m_steps;
    QStringList m_only;
    SubmissionRun* m_run = nullptr;
    int m_total = 0;
    bool m_cancelling = false;
};
