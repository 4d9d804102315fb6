#include "CliApp.h"

#include "CliChoice.h"
#include "CommandSyntax.h"
#include "DataUpdateCommand.h"
#include "ScriptCommands.h"
#include "SiteCommands.h"
#include "SubmitCommand.h"
#include "base/Clock.h"
#include "reports/ReportFolders.h"
#include "shell/PrintingPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "shell/WorkspaceLocator.h"
#include "shell/WorkspaceLock.h"

#include <QHash>

namespace {

const char* const kUsage =
    "Usage: shipkit-cli [--workspace DIR] [--now YYYY-MM-DDTHH:MM:SS] COMMAND ...\n"
    "\n"
    "Commands:\n"
    "  companies                 the company list in selector order\n"
    "  apps --company NAME       that company's application list in list order\n"
    "  company show NAME         the company's record as choosing it loads it\n"
    "  app show NAME [--company C]\n"
    "                            the application's record as choosing it loads it\n"
    "  reports [APP]             application report folders, or the run folders of APP\n"
    "  update [--url URL | --file ARCHIVE]\n"
    "                            downloads (or takes) the site data archive and installs it\n"
    "  engines                   the site engine list\n"
    "  engine show NAME          the engine's settings as a save writes them, and categories\n"
    "  sites --company C --app A the application's site list, rebuilt, one row per line\n"
    "  expand --company C --app A --site S [--check] (--text T | --file F)\n"
    "                            the text expanded for site S, live or in check mode\n"
    "  check-engines [--site S]  every engine's scripts expanded in check mode for site S\n"
    "  mass-change [--dry-run] FROM TO\n"
    "                            replaces FROM by TO in every script file, then checks;\n"
    "                            --dry-run lists the files it would change\n"
    "  submit --company C --app A [--site S]...\n"
    "                            a submission run as the Submit button starts it: one line\n"
    "                            per site processed, SITE<TAB>success|failure, then the report\n"
    "  init                      creates the workspace folder and its folders\n"
    "\n"
    "Options:\n"
    "  --workspace DIR           the workspace folder (default: beside the program)\n"
    "  --now TIME                the current time for dates and stamps\n"
    "  --help                    this text\n"
    "  --version                 the program's version\n"
    "  --                        what follows is not an option (a FROM starting with --)\n"
    "\n"
    "Exit codes: 0 success, 1 the command failed, 2 bad usage, 3 an expansion failed,\n"
    "4 a site failed to post, 5 the run was cancelled (SIGINT or SIGTERM).\n";

// Only these commands change the workspace; the others open it read-only and take no lock.
bool writesWorkspace(const QString& command) {
    static const QStringList writers = {"init", "sites", "mass-change", "submit", "update"};
    return writers.contains(command);
}

WorkspaceLocator::Access accessFor(const QString& command) {
    if (command == QLatin1String("init"))
        return WorkspaceLocator::Access::Create;
    return writesWorkspace(command) ? WorkspaceLocator::Access::Write
                                    : WorkspaceLocator::Access::Read;
}

} // namespace

CliApp::CliApp(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

CliApp::~CliApp() = default;

int CliApp::usage(const QString& problem) {
    m_err << CliChoice::own(problem) << "\nTry 'shipkit-cli --help'.\n";
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
    const CommandSyntax* syntax = CommandSyntax::of(m_options.command);
    if (!syntax)
        return usage(QStringLiteral("unknown command %1").arg(m_options.command));
    if (const QString problem = syntax->sort(m_options); !problem.isEmpty())
        return usage(problem);
    const int opened = openWorkspace(executableDir);
    return opened == Ok ? dispatch() : opened;
}

int CliApp::openWorkspace(const QString& executableDir) {
    const auto located =
        WorkspaceLocator::locate(m_options.workspace, executableDir, accessFor(m_options.command));
    if (located.programDir.isEmpty())
        return fail(CliChoice::own(located.error));
    const bool writes = writesWorkspace(m_options.command);
    if (writes) {
        m_lock = std::make_unique<WorkspaceLock>(located.programDir);
        if (!m_lock->acquire())
            return fail(CliChoice::own(m_lock->refusal()));
    }
    if (m_options.now)
        m_clock = std::make_unique<FixedClock>(*m_options.now);
    else
        m_clock = std::make_unique<SystemClock>();
    m_prompter = std::make_unique<PrintingPrompter>(m_err);
    m_gwide = std::make_unique<TGWide>(located.programDir);
    m_session = std::make_unique<Session>(*m_gwide, *m_prompter, *m_clock);
    m_session->setReadOnly(!writes);
    if (!m_session->LoadWorkspace())
        return fail(QStringLiteral("Unable to initialize Shipkit!\n") + m_session->loadError());
    m_session->settings = Settings::read(m_gwide->paths().ProgramDir);
    // As the window's first showing does: the first application again, now that the engine
    // list is loaded, so its site list covers every engine.
    if (!m_session->apps().isEmpty())
        m_session->selectApp(0);
    return Ok;
}

int CliApp::dispatch() {
    using Command = int (CliApp::*)();
    static const QHash<QString, Command> commands = {
        {"init", &CliApp::init},
        {"companies", &CliApp::companies},
        {"update", &CliApp::update},
        {"apps", &CliApp::apps},
        {"company", &CliApp::companyShow},
        {"app", &CliApp::appShow},
        {"reports", &CliApp::reports},
        {"engines", &CliApp::siteCommand},
        {"engine", &CliApp::siteCommand},
        {"sites", &CliApp::siteCommand},
        {"expand", &CliApp::scriptCommand},
        {"check-engines", &CliApp::scriptCommand},
        {"mass-change", &CliApp::scriptCommand},
        {"submit", &CliApp::submit},
    };
    return (this->*commands.value(m_options.command))();
}

int CliApp::init() {
    // Opening the workspace for writing made its folders.
    return Ok;
}

int CliApp::companies() {
    for (const QString& name : m_session->companies())
        m_out << name << "\n";
    m_out.flush();
    return Ok;
}

int CliApp::update() {
    return DataUpdateCommand(*m_session, m_options, m_out, m_err,
                             [this](const QString& problem) { return usage(problem); })
        .run();
}

int CliApp::apps() {
    const auto company = m_options.option(QStringLiteral("--company"));
    if (!company)
        return usage(QStringLiteral("apps needs --company NAME"));
    if (const QString refused = CliChoice(*m_session).company(*company); !refused.isEmpty())
        return fail(refused);
    for (const QString& name : m_session->apps())
        m_out << name << "\n";
    m_out.flush();
    return Ok;
}

int CliApp::printLines(const QStringList& lines) {
    for (const QString& line : lines)
        m_out << line << "\n";
    m_out.flush();
    return Ok;
}

std::optional<QString> CliApp::showTarget(const char* what) {
    if (m_options.words.first() != QLatin1String("show")) {
        usage(QStringLiteral("use: %1 show NAME").arg(QLatin1String(what)));
        return std::nullopt;
    }
    return m_options.words[1];
}

int CliApp::companyShow() {
    const auto name = showTarget("company");
    if (!name)
        return BadUsage;
    if (const QString refused = CliChoice(*m_session).company(*name); !refused.isEmpty())
        return fail(refused);
    QStringList lines;
    const CompanyRecord& record = m_session->company();
    for (int f = 0; f < CompanyRecord::FieldCount; ++f) {
        const QString value =
            f == CompanyRecord::CONAME ? m_session->companyText() : record.values[f];
        lines << CompanyRecord::keys()[f] + u'=' + value;
    }
    return printLines(lines);
}

int CliApp::appShow() {
    const auto name = showTarget("app");
    if (!name)
        return BadUsage;
    CliChoice choice(*m_session);
    QString refused;
    if (const auto company = m_options.option(QStringLiteral("--company")))
        refused = choice.company(*company);
    if (refused.isEmpty())
        refused = choice.app(*name);
    if (!refused.isEmpty())
        return fail(refused);
    QStringList lines;
    for (const auto& key : ApplicationRecord::keys()) {
        const QString value = key.name == QLatin1String("NAME") ? m_session->appText()
                                                                : m_session->app().value(key.name);
        lines << key.name + u'=' + value;
    }
    lines << QStringLiteral("LONGDATE=") + m_session->LongDate();
    return printLines(lines);
}

int CliApp::reports() {
    const ReportFolders folders(m_gwide->paths().ReportsDir);
    if (m_options.words.isEmpty())
        return printLines(folders.applications());
    // An application without runs lists nothing, as a workspace without reports does.
    const QString& app = m_options.words.first();
    return printLines(folders.applications().contains(app) ? folders.runs(app) : QStringList());
}

int CliApp::scriptCommand() {
    const QString& command = m_options.command;
    ScriptCommands commands(*m_session, m_options, m_out, m_err,
                            [this](const QString& problem) { return usage(problem); });
    if (command == QLatin1String("expand"))
        return commands.expand();
    if (command == QLatin1String("check-engines"))
        return commands.checkEngines();
    return commands.massChange();
}

int CliApp::submit() {
    return SubmitCommand(*m_session, m_options, m_out, m_err,
                         [this](const QString& problem) { return usage(problem); })
        .run();
}

int CliApp::siteCommand() {
    const QString& command = m_options.command;
    SiteCommands commands(*m_session, m_options, m_out, m_err,
                          [this](const QString& problem) { return usage(problem); });
    if (command == QLatin1String("engines"))
        return commands.engines();
    if (command == QLatin1String("engine"))
        return commands.engineShow();
    return commands.sites();
}
