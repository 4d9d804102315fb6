#include "CliApp.h"

#include "shell/Clock.h"
#include "shell/PrintingPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "shell/WorkspaceLocator.h"

namespace {

const char* const kUsage =
    "Usage: shipkit-cli [--workspace DIR] [--now YYYY-MM-DDTHH:MM:SS] COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  companies                 the company list in selector order\n"
    "  apps --company NAME       that company's application list in list order\n"
    "\n"
    "Options:\n"
    "  --workspace DIR           the workspace folder (default: beside the program)\n"
    "  --now TIME                the current time for dates and stamps\n"
    "  --help                    this text\n"
    "  --version                 the program's version\n"
    "\n"
    "Exit codes: 0 success, 1 the command failed, 2 bad usage, 3 an expansion failed.\n";

} // namespace

CliApp::CliApp(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

CliApp::~CliApp() = default;

int CliApp::usage(const QString& problem) {
    m_err << "shipkit-cli: " << problem << "\n" << kUsage;
    m_err.flush();
    return BadUsage;
}

int CliApp::fail(const QString& message) {
    m_err << message << Qt::endl;
    return Failed;
}

int CliApp::run(const QStringList& arguments, const QString& executableDir) {
    m_options = CliOptions::parse(arguments);
    if (!m_options.error.isEmpty())
        return usage(m_options.error);
    if (m_options.help) {
        m_out << kUsage;
        return Ok;
    }
    if (m_options.version) {
        m_out << "shipkit-cli " << SHIPKIT_VERSION << Qt::endl;
        return Ok;
    }
    if (m_options.command.isEmpty())
        return usage(QStringLiteral("no command given"));
    const int opened = openWorkspace(executableDir);
    return opened == Ok ? dispatch() : opened;
}

int CliApp::openWorkspace(const QString& executableDir) {
    const auto located = WorkspaceLocator::locate(m_options.workspace, executableDir);
    if (located.programDir.isEmpty())
        return fail(located.error);
    if (m_options.now)
        m_clock = std::make_unique<FixedClock>(*m_options.now);
    else
        m_clock = std::make_unique<SystemClock>();
    m_prompter = std::make_unique<PrintingPrompter>(m_err);
    m_gwide = std::make_unique<TGWide>(located.programDir);
    m_session = std::make_unique<Session>(*m_gwide, *m_prompter, *m_clock);
    if (!m_gwide->LoadWorkspace(*m_session))
        return fail(QStringLiteral("Unable to initialize Shipkit!"));
    m_session->settings = Settings::read(m_gwide->paths().ProgramDir);
    return Ok;
}

int CliApp::dispatch() {
    const QString& c = m_options.command;
    if (c == QLatin1String("companies"))
        return companies();
    if (c == QLatin1String("apps"))
        return apps();
    return usage(QStringLiteral("unknown command %1").arg(c));
}

int CliApp::companies() {
    for (const QString& name : m_session->companies())
        m_out << name << "\n";
    m_out.flush();
    return Ok;
}

bool CliApp::chooseCompany(const QString& name) {
    const int index = static_cast<int>(m_session->companies().indexOf(name));
    if (index < 0)
        return false;
    if (index != m_session->companyIndex())
        m_session->chooseCompany(index);
    return true;
}

int CliApp::apps() {
    const auto company = m_options.option(QStringLiteral("--company"));
    if (!company)
        return usage(QStringLiteral("apps needs --company NAME"));
    if (!chooseCompany(*company))
        return fail(QStringLiteral("No company named \"%1\" in this workspace.").arg(*company));
    for (const QString& name : m_session->apps())
        m_out << name << "\n";
    m_out.flush();
    return Ok;
}
