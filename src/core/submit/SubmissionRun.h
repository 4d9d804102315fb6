#pragma once

#include "scripts/ExpansionContext.h"
#include "submit/PostingStep.h"
#include "submit/RunView.h"

#include <QStringList>
#include <functional>

class AppSiteList;
class RunTrail;
class TReportsFrm;
struct PostingJob;

// The posting steps of a run. A step left out fails its method for every site that asks for it.
struct RunSteps {
    PostingStep* ftp = nullptr;
    PostingStep* http = nullptr;
    PostingStep* email = nullptr;
};

// What one run walks and where its outcome goes.
struct RunPlan {
    AppSiteList* list = nullptr;
    QString application;      // whose site list file is saved
    QStringList only;         // the sites named for this run; empty: every site
    int total = 0;            // the sites the verification counted
    int ftpRetries = 3;       // attempts after the first failed upload
    ExpansionContext context; // company, application, the current engine, clock, prompter
    // Makes the site's engine the current one; false when the site has no settings file.
    std::function<bool(const QString& site)> loadEngine;
    // A site's outcome was counted (when it is recorded, or when a cancel ends the run).
    std::function<void(const QString& site, bool success)> siteDone;
};

// One submission run: walks the site list from the first row to the last and, for every site
// to post, loads its engine and runs the FTP, HTTP and e-mail steps it asks for, then records
// the outcome. Skip and Cancel arrive while a step waits.
class SubmissionRun {
public:
    struct Outcome {
        bool cancelled = false;
        int succeeded = 0;
        int failed = 0;
    };

    SubmissionRun(RunPlan plan, RunSteps steps, RunView& view, RunTrail& trail,
                  TReportsFrm& reports);

    // Always ends the run: the list saved and the reports finished, cancelled or not.
    Outcome execute();
    // The rest of the current site is left out (SkipRequested).
    void skip();
    // No further site is posted (CancelRequested); the question was asked before.
    void cancel();
    int CurrentRow() const { return m_currentRow; }
    int ProcessedCount() const { return m_processed; }

private:
    enum class Next { Site, Stop };

    // A failure outside the steps (loading the engine, showing the outcome) stops only its site.
    Next guardedSite(int row);
    Next postSite(int row);
    // FTP, HTTP and e-mail for a loaded site, then its outcome.
    Next postMethods(int row, const QString& site);
    PostingJob jobFor(int row) const;
    bool ftpStep(const PostingJob& job);
    // The first attempt and up to ftpRetries more, until one succeeds, Skip or Cancel.
    bool upload(const PostingJob& job);
    bool httpStep(const PostingJob& job);
    bool emailStep(const PostingJob& job);
    bool attempt(PostingStep* step, const QString& method, const PostingJob& job);
    bool unavailable(const QString& method, const QString& site);
    void beginMethod(RunView::Method method, const QString& word);
    void endMethod(RunView::Method method, const QString& word, const QString& site);
    // Counted, listed and shown; a success gets "Update" and today's date.
    void record(int row, const QString& site, bool success);
    void count(const QString& site, bool success);
    void resetSiteDisplay();
    void finish(bool cancelled);
    void saveList();
    void abortSteps(PostingStep::Abort reason);
    // A failure outside the steps (a report page, the list file) is logged, and the run goes on.
    void safely(const std::function<void()>& work);
    void logBoth(const QString& text);

    RunPlan m_plan;
    RunSteps m_steps;
    RunView& m_view;
    RunTrail& m_trail;
    TReportsFrm& m_reports;
    bool m_cancelRequested = false;
    bool m_skipRequested = false;
    int m_currentRow = -1;
    int m_processed = 0;
};
