#include "commands/SubmitCommands.h"

#include "base/BusyCursor.h"
#include "base/ShipkitError.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SaveQuestion.h"
#include "commands/SiteBuilderCommands.h"
#include "records/TextHelpers.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "submit/RunRules.h"
#include "submit/RunSettings.h"

#include <QScopeGuard>

namespace {

constexpr int kLongDescriptionWidth = 72;

} // namespace

SubmitCommands::SubmitCommands(Session& session, RunView& view, CompanyCommands& companies,
                               ApplicationCommands& apps, SiteBuilderCommands& engines,
                               QObject* parent)
    : QObject(parent), m_session(session), m_view(view), m_companies(companies), m_apps(apps),
      m_engines(engines), m_trail(view), m_inputs(m_trail, m_answer),
      m_reports(session.gwide().paths(), session.clock(), m_inputs),
      m_http(view, m_trail, m_reports, m_answer), m_stepView(view, m_trail),
      m_ftp(session.gwide().paths(), m_stepView),
      m_mail(session.gwide().paths(), m_stepView, m_reports) {
    m_steps.ftp = &m_ftp;
    m_steps.http = &m_http;
    m_steps.email = &m_mail;
}

SubmitCommands::~SubmitCommands() = default;

void SubmitCommands::installStep(RunView::Method method, PostingStep* step) {
    switch (method) {
    case RunView::Method::Ftp:
        m_steps.ftp = step;
        break;
    case RunView::Method::Http:
        m_steps.http = step;
        break;
    case RunView::Method::Email:
        m_steps.email = step;
        break;
    }
}

SubmitCommands::Outcome SubmitCommands::submitBtnClick() {
    if (m_run)
        return {};
    m_cancelling = false;
    // Called from a button: nothing may escape to the event loop.
    try {
        return click();
    } catch (const std::exception& e) {
        m_session.prompter().handlerError(ShipkitError::textOf(e));
    } catch (...) {
        m_session.prompter().handlerError(
            QStringLiteral("An unknown error stopped the submission before it ended."));
    }
    return {};
}

void SubmitCommands::skipClick() {
    if (m_run)
        m_run->skip();
}

void SubmitCommands::cancelClick() {
    if (!m_run)
        return;
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Information);
    if (prompter.confirm(QStringLiteral("Sure you want to cancel all posts?"),
                         Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        cancelConfirmed();
}

void SubmitCommands::cancelConfirmed() {
    if (!m_run)
        return;
    m_cancelling = true;
    m_run->cancel();
}

SubmitCommands::Outcome SubmitCommands::click() {
    m_trail.clear();
    if (!mailSettingsReady() || !applicationReady() || !saveQuestions() || !CountSitesToPost())
        return {};
    return post();
}

bool SubmitCommands::mailSettingsReady() {
    const auto missing = [this] {
        const Settings& s = m_session.settings;
        return s.SmtpServer.isEmpty() || s.SenderEmail.isEmpty() || s.SenderName.isEmpty();
    };
    while (missing())
        if (!m_view.askMailSettings())
            return false;
    return true;
}

bool SubmitCommands::applicationReady() {
    const QString problem = RunRules::applicationProblem(m_session.app(), m_session.appText());
    if (problem.isEmpty())
        return true;
    m_session.prompter().message(problem);
    return false;
}

bool SubmitCommands::saveQuestions() {
    Prompter& prompter = m_session.prompter();
    return SaveQuestion::ask(prompter, m_session.AppUnsaved, m_session.appText(),
                             [this] { m_apps.SaveApplication(); }) &&
           SaveQuestion::ask(prompter, m_session.CompanyUnsaved,
                             QStringLiteral("Changed Company Info"),
                             [this] { m_companies.SaveCompanyBtnClick(); }) &&
           SaveQuestion::ask(prompter, m_session.EngineUnsaved,
                             QStringLiteral("Added/Changed Engine Info"),
                             [this] { m_engines.SaveSiteBtnClick(); });
}

bool SubmitCommands::CountSitesToPost() {
    const AppSiteList& list = m_session.siteList();
    if (const int row = list.firstMissingCategory(m_only); row >= 0) {
        refuseCount(row, QStringLiteral("You have a site set to post against that needs a "
                                        "category set. Please set before posting!"));
        return false;
    }
    const AppSiteList::Counts counts = list.CountSitesToPost(m_only);
    if (counts.total == 0) {
        refuseCount(0, QStringLiteral("You do not have any sites set to post!"));
        return false;
    }
    if (!m_view.confirmRun(counts))
        return false;
    m_total = counts.total;
    m_view.setCounters(m_total, 0);
    m_view.setProgress(0, m_total);
    return true;
}

void SubmitCommands::refuseCount(int row, const QString& message) {
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Default);
    prompter.errorDialog(message);
    m_session.requestPage(Session::Sites);
    m_session.siteList().select(row);
    m_session.siteListReplaced();
}

SubmitCommands::Outcome SubmitCommands::post() {
    const Settings settings = m_session.settings.clamped();
    prepareSteps(settings);
    SubmissionRun::Outcome done;
    {
        BusyCursor busy(m_session.prompter());
        enterPosting();
        const auto leave = qScopeGuard([this] { leavePosting(); });
        m_inputs.setApplication(m_session.appText());
        m_reports.StartRun();
        wrapLongDescription();
        SubmissionRun run(plan(settings), m_steps, m_view, m_trail, m_reports);
        m_run = &run;
        const auto forget = qScopeGuard([this] { m_run = nullptr; });
        done = run.execute();
    }
    askToViewReport();
    return {done.cancelled ? Result::Cancelled : Result::Finished, done.succeeded, done.failed};
}

void SubmitCommands::prepareSteps(const Settings& settings) {
    RunSettings run;
    run.smtpServer = settings.SmtpServer;
    run.senderEmail = settings.SenderEmail;
    run.senderName = settings.SenderName;
    run.proxyHost = settings.ProxyHost;
    run.proxyPort = static_cast<quint16>(settings.proxyPortNumber());
    run.ftpRetries = settings.FtpRetries;
    run.httpTimeOutSeconds = settings.HttpTimeOut;
    run.ftpTimeOutSeconds = settings.ftpTimeOutSeconds();
    run.smtpTimeOutSeconds = settings.smtpTimeOutSeconds();
    run.smtpSecurity = settings.SmtpSecurity;
    run.smtpUser = settings.SmtpUser;
    run.smtpPassword = settings.SmtpPassword;
    run.caFile = settings.CaFile;
    for (PostingStep* step : {m_steps.ftp, m_steps.http, m_steps.email})
        if (step)
            step->prepare(run);
}

RunPlan SubmitCommands::plan(const Settings& settings) {
    RunPlan plan;
    plan.list = &m_session.siteList();
    plan.application = m_session.appText();
    plan.only = m_only;
    plan.total = m_total;
    plan.ftpRetries = settings.FtpRetries;
    plan.context = m_session.expansionContext();
    plan.loadEngine = [this](const QString& site) { return m_engines.selectSiteNamed(site); };
    plan.siteDone = [this](const QString& site, bool success) {
        m_session.siteListReplaced();
        Q_EMIT siteFinished(site, success);
    };
    return plan;
}

void SubmitCommands::wrapLongDescription() {
    // Sites take the text in lines of 72 characters at most; two passes, as every run made.
    for (int pass = 0; pass < 2; ++pass)
        m_session.setLongDescription(
            TextHelpers::WrapLines(m_session.app().longDescription, kLongDescriptionWidth));
    m_session.AppUnsaved = true;
    m_session.appReplaced();
}

void SubmitCommands::enterPosting() {
    m_session.Posting = true;
    m_view.setPosting(true);
}

void SubmitCommands::leavePosting() {
    m_session.Posting = false;
    m_view.setPosting(false);
    m_view.setCounters(0, 0);
    m_view.setProgress(0, m_total);
}

void SubmitCommands::askToViewReport() {
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Information);
    if (prompter.confirm(QStringLiteral("Submission Process Done. View Report?"),
                         Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        Q_EMIT viewReportRequested(m_reports.MainReportPath());
}
