#include "ScriptCommands.h"

#include "CliApp.h"
#include "CliChoice.h"
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
    CliChoice choice(m_session);
    QString refused = choice.company(*company);
    if (refused.isEmpty())
        refused = choice.app(*app);
    if (refused.isEmpty())
        refused = choice.engine(*site);
    if (!refused.isEmpty())
        return fail(refused);
    const bool live = !m_options.flag(QStringLiteral("--check"));
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
    if (!site.isEmpty())
        if (const QString refused = CliChoice(m_session).engine(site); !refused.isEmpty())
            return fail(refused);
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
    const QStringList& list = m_session.gwide().engBuild()->engineList();
    return runCheck(site ? *site : (list.isEmpty() ? QString() : list.first()));
}

int ScriptCommands::dryRun(const QString& from, const QString& to) {
    try {
        const MassChange::Plan plan = MassChange::preview(*m_session.gwide().engBuild(), from, to);
        for (const QString& line : plan.untouched)
            m_err << line << Qt::endl;
        for (const QString& path : plan.paths)
            m_out << path << '\n';
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
    m_out.flush();
    return CliApp::Ok;
}

int ScriptCommands::massChange() {
    const QString& from = m_options.words[0];
    const QString& to = m_options.words[1];
    if (!MassChange::confirmed(from, to))
        return m_usage(QStringLiteral("mass-change needs a FROM text that is not empty and "
                                      "differs from TO"));
    if (m_options.flag(QStringLiteral("--dry-run")))
        return dryRun(from, to);
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
