#include "submit/SubmissionRun.h"

#include "base/Clock.h"
#include "base/ShipkitError.h"
#include "engines/SiteEngine.h"
#include "records/TextHelpers.h"
#include "reports/TReportsFrm.h"
#include "submit/AppSiteList.h"
#include "submit/PostingJob.h"
#include "submit/RunRules.h"
#include "submit/RunTrail.h"

#include <QCoreApplication>

namespace {

const QString kFtp = QStringLiteral("FTP");
const QString kHttp = QStringLiteral("HTTP");
const QString kEmail = QStringLiteral("EMAIL");
constexpr RunView::Method kMethods[] = {RunView::Method::Http, RunView::Method::Ftp,
                                        RunView::Method::Email};

// An engine address or recipient for the listing kind, leading spaces removed.
QString kindText(const SiteEngine& engine, bool newListing, const char* newKey,
                 const char* updateKey) {
    QString text = engine.text(QLatin1String(newListing ? newKey : updateKey));
    return TextHelpers::StripLeadingSpaces(text);
}

} // namespace

SubmissionRun::SubmissionRun(RunPlan plan, RunSteps steps, RunView& view, RunTrail& trail,
                             TReportsFrm& reports)
    : m_plan(std::move(plan)), m_steps(steps), m_view(view), m_trail(trail), m_reports(reports) {}

SubmissionRun::Outcome SubmissionRun::execute() {
    m_processed = 0;
    const int rows = static_cast<int>(m_plan.list->rows().size());
    for (int row = 0; row < rows && !m_cancelRequested; ++row)
        if (guardedSite(row) == Next::Stop)
            break;
    finish(m_cancelRequested);
    return {m_cancelRequested, m_reports.SuccessCount, m_reports.FailCount};
}

void SubmissionRun::skip() {
    m_skipRequested = true;
    abortSteps(PostingStep::Abort::Skip);
}

void SubmissionRun::cancel() {
    m_cancelRequested = true;
    abortSteps(PostingStep::Abort::Cancel);
}

void SubmissionRun::abortSteps(PostingStep::Abort reason) {
    for (PostingStep* step : {m_steps.ftp, m_steps.http, m_steps.email})
        if (step)
            safely([step, reason] { step->abort(reason); });
}

SubmissionRun::Next SubmissionRun::guardedSite(int row) {
    QString reason;
    try {
        return postSite(row);
    } catch (const std::exception& e) {
        reason = ShipkitError::textOf(e);
    } catch (...) {
        reason = QStringLiteral("unknown error");
    }
    m_trail.AddRunLog(QStringLiteral("Posting stopped for ") + m_plan.list->rows()[row].site +
                      QStringLiteral(": ") + reason);
    return Next::Site;
}

SubmissionRun::Next SubmissionRun::postSite(int row) {
    // A Cancel that came while no step waited is noticed here.
    QCoreApplication::processEvents();
    if (m_cancelRequested)
        return Next::Stop;
    m_currentRow = row;
    resetSiteDisplay();
    if (!m_plan.list->toPost(row, m_plan.only))
        return Next::Site;
    const QString site = m_plan.list->rows()[row].site;
    if (!m_plan.loadEngine(site)) {
        m_trail.AddRunLog(QStringLiteral("No engine file for: ") + site);
        record(row, site, false);
        return Next::Site;
    }
    if (!RunRules::IsEngineCompatible(*m_plan.context.engine, *m_plan.context.app))
        return Next::Site;
    return postMethods(row, site);
}

SubmissionRun::Next SubmissionRun::postMethods(int row, const QString& site) {
    m_skipRequested = false;
    m_reports.CurrentSiteName = site;
    m_view.setCurrentSite(site);
    const PostingJob job = jobFor(row);
    bool success = ftpStep(job);
    if (!m_cancelRequested)
        success = httpStep(job) && success;
    if (m_cancelRequested) {
        count(site, success);
        return Next::Stop;
    }
    success = emailStep(job) && success;
    record(row, site, success);
    if (m_cancelRequested)
        return Next::Stop;
    if (m_skipRequested) {
        m_trail.AddRunLog(QStringLiteral("SKIPPED -> ") + site);
        m_skipRequested = false;
    }
    return Next::Site;
}

PostingJob SubmissionRun::jobFor(int row) const {
    const AppSiteEntry& entry = m_plan.list->rows()[row];
    PostingJob job;
    job.site = entry.site;
    job.engine = m_plan.context.engine;
    job.row = row;
    job.newListing = entry.submit == QLatin1String("New");
    job.context = m_plan.context;
    job.context.cat1Label = entry.cat1;
    job.context.cat2Label = entry.cat2;
    return job;
}

bool SubmissionRun::ftpStep(const PostingJob& job) {
    if (!job.engine->flag(QStringLiteral("USE_FTP_UPLOAD")) || m_skipRequested)
        return true;
    beginMethod(RunView::Method::Ftp, kFtp);
    m_trail.clearFtpLog();
    const bool success = m_steps.ftp ? upload(job) : unavailable(kFtp, job.site);
    for (const QString& line : m_trail.ftpLog())
        m_reports.AddLogLine(line);
    endMethod(RunView::Method::Ftp, kFtp, job.site);
    if (PostingStep* step = m_steps.ftp)
        safely([step] { step->finishSite(); });
    return success;
}

bool SubmissionRun::upload(const PostingJob& job) {
    bool success = attempt(m_steps.ftp, kFtp, job);
    for (int retry = 0;
         !success && retry < m_plan.ftpRetries && !m_skipRequested && !m_cancelRequested; ++retry)
        success = attempt(m_steps.ftp, kFtp, job);
    return success;
}

bool SubmissionRun::httpStep(const PostingJob& job) {
    const QString address =
        kindText(*job.engine, job.newListing, "HTTP_NEW_SCRIPT_URL", "HTTP_UPDATE_SCRIPT_URL");
    if (!job.engine->flag(QStringLiteral("USE_HTTP_POST")) || address.isEmpty() || m_skipRequested)
        return true;
    beginMethod(RunView::Method::Http, kHttp);
    const bool success =
        m_steps.http ? attempt(m_steps.http, kHttp, job) : unavailable(kHttp, job.site);
    endMethod(RunView::Method::Http, kHttp, job.site);
    return success;
}

bool SubmissionRun::emailStep(const PostingJob& job) {
    const QString recipient =
        kindText(*job.engine, job.newListing, "EMAIL_TONAME", "EMAIL_TONAME_UPDATE");
    if (!job.engine->flag(QStringLiteral("USE_EMAIL")) || recipient.isEmpty() || m_skipRequested)
        return true;
    beginMethod(RunView::Method::Email, kEmail);
    const bool success =
        m_steps.email ? attempt(m_steps.email, kEmail, job) : unavailable(kEmail, job.site);
    if (success && job.engine->flag(QStringLiteral("EMAIL_SEND_COPY"))) {
        PostingJob copy = job;
        copy.copy = true;
        attempt(m_steps.email, kEmail, copy);
    }
    endMethod(RunView::Method::Email, kEmail, job.site);
    return success;
}

bool SubmissionRun::attempt(PostingStep* step, const QString& method, const PostingJob& job) {
    QString reason;
    try {
        return step->run(job);
    } catch (const std::exception& e) {
        reason = ShipkitError::textOf(e);
    } catch (...) {
        reason = QStringLiteral("unknown error");
    }
    logBoth(method + QStringLiteral(" posting failed for ") + job.site + QStringLiteral(": ") +
            reason);
    return false;
}

bool SubmissionRun::unavailable(const QString& method, const QString& site) {
    logBoth(method + QStringLiteral(" posting is not available for: ") + site);
    return false;
}

void SubmissionRun::beginMethod(RunView::Method method, const QString& word) {
    m_view.setLed(method, RunView::Led::Blinking);
    safely([this, &word] { m_reports.BeginSitePage(word); });
}

void SubmissionRun::endMethod(RunView::Method method, const QString& word, const QString& site) {
    safely([this, &word, &site] { m_reports.EndSitePage(word, site); });
    m_view.setLed(method, RunView::Led::Lit);
}

void SubmissionRun::record(int row, const QString& site, bool success) {
    if (success) {
        m_plan.list->recordPosted(row, m_plan.context.clock->now().date());
        saveList();
    }
    ++m_processed;
    m_view.setCounters(qMax(0, m_plan.total - m_processed), m_processed);
    m_view.setProgress(m_processed, m_plan.total);
    count(site, success);
}

void SubmissionRun::count(const QString& site, bool success) {
    ++(success ? m_reports.SuccessCount : m_reports.FailCount);
    if (m_plan.siteDone)
        m_plan.siteDone(site, success);
}

void SubmissionRun::resetSiteDisplay() {
    for (const RunView::Method method : kMethods) {
        m_view.setStatus(method, QStringLiteral("Idle"));
        m_view.setLed(method, RunView::Led::Off);
    }
}

void SubmissionRun::finish(bool cancelled) {
    m_view.setCurrentSite(QString());
    resetSiteDisplay();
    saveList();
    safely([this] { m_reports.FinishRun(); });
    if (cancelled)
        m_view.setProgress(0, m_plan.total);
}

void SubmissionRun::saveList() {
    safely([this] { m_plan.list->SaveSiteList(m_plan.application); });
}

void SubmissionRun::safely(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        m_trail.AddRunLog(ShipkitError::textOf(e));
    } catch (...) {
        m_trail.AddRunLog(QStringLiteral("An unknown error stopped a step of the run."));
    }
}

void SubmissionRun::logBoth(const QString& text) {
    m_trail.AddRunLog(text);
    m_reports.AddLogLine(text);
}
