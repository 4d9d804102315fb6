#include "SiteCommands.h"

#include "CliChoice.h"
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
    const QStringList& words = m_options.words;
    if (words[0] != QLatin1String("show"))
        return m_usage(QStringLiteral("use: engine show NAME"));
    if (const QString refused = CliChoice(m_session).engine(words[1]); !refused.isEmpty())
        return fail(refused);
    const SiteEngine& engine = m_session.gwide().engBuild()->current();
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
    CliChoice choice(m_session);
    QString refused = choice.company(*company);
    if (refused.isEmpty())
        refused = choice.app(*app);
    if (!refused.isEmpty())
        return fail(refused);
    QStringList lines;
    for (const AppSiteEntry& row : m_session.siteList().rows())
        lines << (QStringList{row.site} + row.columns()).join(u'\t');
    return print(lines);
}
