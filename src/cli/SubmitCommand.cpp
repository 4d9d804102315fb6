#include "SubmitCommand.h"

#include "CliApp.h"
#include "CliChoice.h"
#include "PrintingRunView.h"
#include "SignalCancel.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SubmitCommands.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/TGWide.h"

SubmitCommand::SubmitCommand(Session& session, const CliOptions& options, QTextStream& out,
                             QTextStream& err, Usage usage)
    : m_session(session), m_options(options), m_out(out), m_err(err), m_usage(std::move(usage)) {}

int SubmitCommand::fail(const QString& message) {
    m_err << message << Qt::endl;
    return CliApp::Failed;
}

std::optional<SubmitCommand::Request> SubmitCommand::parse() {
    const auto company = m_options.option(QStringLiteral("--company"));
    const auto app = m_options.option(QStringLiteral("--app"));
    if (!company || !app) {
        m_exit = m_usage(QStringLiteral("submit needs --company C --app A"));
        return std::nullopt;
    }
    return Request{*company, *app, m_options.optionValues(QStringLiteral("--site"))};
}

bool SubmitCommand::load(const Request& request) {
    CliChoice choice(m_session);
    QString refused = choice.company(request.company);
    if (refused.isEmpty())
        refused = choice.app(request.app);
    if (!refused.isEmpty()) {
        m_exit = fail(refused);
        return false;
    }
    for (const QString& site : request.sites) {
        const auto& rows = m_session.siteList().rows();
        if (std::none_of(rows.begin(), rows.end(),
                         [&site](const AppSiteEntry& row) { return row.site == site; })) {
            m_exit = fail(
                CliChoice::own(QStringLiteral("No site named \"%1\" in the site list of \"%2\".")
                                   .arg(site, request.app)));
            return false;
        }
    }
    // Just loaded from the files: nothing to save, so no save question stops the run.
    m_session.CompanyUnsaved = false;
    m_session.AppUnsaved = false;
    m_session.EngineUnsaved = false;
    m_session.SiteListChanged = false;
    return true;
}

int SubmitCommand::run() {
    const std::optional<Request> request = parse();
    if (!request)
        return m_exit;
    if (!load(*request))
        return m_exit;
    return submit(request->sites);
}

int SubmitCommand::submit(const QStringList& sites) {
    CompanyCommands companies(m_session);
    ApplicationCommands apps(m_session, companies);
    SiteBuilderCommands engines(m_session);
    PrintingRunView view(m_err, Settings::path(m_session.gwide().paths().ProgramDir));
    SubmitCommands driver(m_session, view, companies, apps, engines);
    driver.setOnlySites(sites);
    SignalCancel interrupts;
    QObject::connect(&interrupts, &SignalCancel::cancelRequested, &driver,
                     &SubmitCommands::cancelConfirmed);
    QObject::connect(&driver, &SubmitCommands::siteFinished, &driver,
                     [this](const QString& site, bool success) {
                         m_out << site << '\t' << (success ? "success" : "failure") << Qt::endl;
                     });
    const SubmitCommands::Outcome outcome = driver.submitBtnClick();
    if (outcome.result == SubmitCommands::Result::NotStarted)
        return CliApp::Failed;
    m_out << "Report: " << driver.mainReportPath() << Qt::endl;
    if (outcome.result == SubmitCommands::Result::Cancelled)
        return CliApp::RunCancelled;
    return outcome.failed > 0 ? CliApp::SitesFailed : CliApp::Ok;
}
