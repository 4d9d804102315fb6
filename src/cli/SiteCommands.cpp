#include "SiteCommands.h"

#include "engines/TEngBuild.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

SiteCommands::SiteCommands(Session& session, const CliOptions& options, QTextStream& out,
                           QTextStream& err, Usage usage)
    : m_session(session), m_options(options), m_out(out), m_err(err), m_usage(std::move(usage)) {}

int SiteCommands::fail(const QString& message) {
    m_err << message << Qt::endl;
    return 1;
}

int SiteCommands::print(const QStringList& lines) {
    for (const QString& line : lines)
        m_out << line << "\n";
    m_out.flush();
    return 0;
}

int SiteCommands::engines() {
    return print(m_session.gwide().engBuild()->engineList());
}

int SiteCommands::engineShow() {
    const QStringList& args = m_options.args;
    if (args.size() < 2 || args[0] != QLatin1String("show"))
        return m_usage(QStringLiteral("use: engine show NAME"));
    TEngBuild& engines = *m_session.gwide().engBuild();
    const qsizetype index = engines.engineList().indexOf(args[1]);
    if (index < 0)
        return fail(QStringLiteral("No site engine named \"%1\" in this workspace.").arg(args[1]));
    engines.select(static_cast<int>(index));
    engines.LoadSiteEngine(args[1]);
    const SiteEngine& engine = engines.current();
    QStringList lines;
    for (size_t i = 0; i < SiteEngine::keys().size(); ++i)
        lines << SiteEngine::keys()[i].name + u'=' + engine.values[i];
    lines << engine.transportLines();
    const auto categoryLines = [&](const QString& text, const char* key) {
        if (text.isEmpty())
            return;
        for (const QString& line : text.split(QStringLiteral("\r\n")))
            lines << QLatin1String(key) + line;
    };
    categoryLines(engine.cat1, "CAT1=");
    categoryLines(engine.cat2, "CAT2=");
    return print(lines);
}

int SiteCommands::sites() {
    const auto company = m_options.option(QStringLiteral("--company"));
    const auto app = m_options.option(QStringLiteral("--app"));
    if (!company || !app)
        return m_usage(QStringLiteral("sites needs --company C --app A"));
    const qsizetype c = m_session.companies().indexOf(*company);
    if (c < 0)
        return fail(QStringLiteral("No company named \"%1\" in this workspace.").arg(*company));
    m_session.chooseCompany(static_cast<int>(c));
    const qsizetype a = m_session.apps().indexOf(*app);
    if (a < 0)
        return fail(QStringLiteral("No application named \"%1\" for the company \"%2\".")
                        .arg(*app, *company));
    m_session.selectApp(static_cast<int>(a));
    QStringList lines;
    for (const AppSiteEntry& row : m_session.siteList().rows())
        lines << (QStringList{row.site} + row.columns()).join(u'\t');
    return print(lines);
}
