#include "ScriptCommands.h"

#include "CliApp.h"
#include "engines/TEngBuild.h"
#include "records/ListFile.h"
#include "scripts/ExpansionContext.h"
#include "scripts/MassChange.h"
#include "scripts/ScriptChecker.h"
#include "scripts/ScriptExpander.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "submit/AppSiteList.h"

#include <stdexcept>

ScriptCommands::ScriptCommands(Session& session, const CliOptions& options, QTextStream& out,
                               QTextStream& err, Usage usage)
    : m_session(session), m_options(options), m_out(out), m_err(err), m_usage(std::move(usage)) {}

int ScriptCommands::fail(const QString& message) {
    m_err << message << Qt::endl;
    return CliApp::Failed;
}

bool ScriptCommands::chooseCompany(const QString& name) {
    const int index = static_cast<int>(m_session.companies().indexOf(name));
    if (index < 0)
        return false;
    if (index != m_session.companyIndex())
        m_session.chooseCompany(index);
    return true;
}

bool ScriptCommands::chooseApp(const QString& name) {
    const int index = static_cast<int>(m_session.apps().indexOf(name));
    if (index < 0)
        return false;
    m_session.selectApp(index);
    return true;
}

bool ScriptCommands::makeCurrent(const QString& site) {
    TEngBuild& engines = *m_session.gwide().engBuild();
    const int index = static_cast<int>(engines.engineList().indexOf(site));
    if (index < 0)
        return false;
    engines.select(index);
    engines.LoadSiteEngine(site);
    return true;
}

std::optional<QString> ScriptCommands::scriptText() {
    const auto text = m_options.option(QStringLiteral("--text"));
    const auto file = m_options.option(QStringLiteral("--file"));
    if (text.has_value() == file.has_value()) {
        m_usage(QStringLiteral("expand needs one of --text T and --file F"));
        return std::nullopt;
    }
    if (text)
        return *text;
    // A script file reads as the site builder's editor holds it.
    return LoadList(*file).join(QStringLiteral("\r\n"));
}

void ScriptCommands::setRowLabels(const QString& site, QString& cat1, QString& cat2) const {
    // The row of the site list that choosing the application rebuilt, as posting reads it.
    for (const AppSiteEntry& row : m_session.siteList().rows()) {
        if (row.site == site) {
            cat1 = row.cat1;
            cat2 = row.cat2;
            return;
        }
    }
}

int ScriptCommands::expand() {
    const auto company = m_options.option(QStringLiteral("--company"));
    const auto app = m_options.option(QStringLiteral("--app"));
    const auto site = m_options.option(QStringLiteral("--site"));
    if (!company || !app || !site)
        return m_usage(QStringLiteral("expand needs --company C --app A --site S"));
    std::optional<QString> text;
    try {
        text = scriptText();
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    if (!text)
        return CliApp::BadUsage;
    if (!chooseCompany(*company))
        return fail(QStringLiteral("No company named \"%1\" in this workspace.").arg(*company));
    if (!chooseApp(*app))
        return fail(QStringLiteral("No application named \"%1\" for the company \"%2\".")
                        .arg(*app, *company));
    if (!makeCurrent(*site))
        return fail(QStringLiteral("No site engine named \"%1\".").arg(*site));
    const bool live = !m_options.args.contains(QStringLiteral("--check"));
    ExpansionContext context = m_session.expansionContext();
    if (live)
        setRowLabels(*site, context.cat1Label, context.cat2Label);
    ScriptExpander expander(context);
    const QString expanded = expander.ExpandText(*text, live);
    if (expander.ScriptError()) {
        m_err << "Script Error! -> [" << expander.ErrorName() << "]" << Qt::endl;
        return CliApp::ExpansionFailed;
    }
    m_out << expanded;
    m_out.flush();
    return CliApp::Ok;
}

int ScriptCommands::runCheck(const QString& site) {
    TEngBuild& engines = *m_session.gwide().engBuild();
    if (!site.isEmpty() && !makeCurrent(site))
        return fail(QStringLiteral("No site engine named \"%1\".").arg(site));
    const ExpansionContext context = m_session.expansionContext();
    const std::vector<EngineCheckEntry> errors = ScriptChecker(engines, context).checkEngines();
    if (errors.empty()) {
        m_out << "No Errors found! :)\n";
        m_out.flush();
        return CliApp::Ok;
    }
    for (const EngineCheckEntry& e : errors)
        m_out << e.site << '\t' << e.error << '\t' << e.path << '\n';
    m_out.flush();
    return CliApp::Failed;
}

int ScriptCommands::checkEngines() {
    const auto site = m_options.option(QStringLiteral("--site"));
    if (m_options.args.contains(QStringLiteral("--site")) && !site)
        return m_usage(QStringLiteral("check-engines --site needs a site name"));
    const QStringList& list = m_session.gwide().engBuild()->engineList();
    return runCheck(site ? *site : (list.isEmpty() ? QString() : list.first()));
}

int ScriptCommands::massChange() {
    if (m_options.args.size() != 2)
        return m_usage(QStringLiteral("use: mass-change FROM TO"));
    const QString& from = m_options.args[0];
    const QString& to = m_options.args[1];
    if (!MassChange::confirmed(from, to))
        return m_usage(QStringLiteral("mass-change needs a FROM text that is not empty and "
                                      "differs from TO"));
    try {
        for (const QString& line :
             MassChange::replaceAll(*m_session.gwide().engBuild(), from, to).untouched)
            m_err << line << Qt::endl;
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    m_err << "Mass Change Done!" << Qt::endl;
    const QStringList& list = m_session.gwide().engBuild()->engineList();
    return runCheck(list.isEmpty() ? QString() : list.first());
}
