#include "CliChoice.h"

#include "engines/TEngBuild.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

QString CliChoice::company(const QString& name) {
    const int index = static_cast<int>(m_session.companies().indexOf(name));
    if (index < 0)
        return own(QStringLiteral("No company named \"%1\" in this workspace.").arg(name));
    if (index != m_session.companyIndex())
        m_session.chooseCompany(index);
    return QString();
}

QString CliChoice::app(const QString& name) {
    const int index = static_cast<int>(m_session.apps().indexOf(name));
    if (index < 0)
        return own(QStringLiteral("No application named \"%1\" for the company \"%2\".")
                       .arg(name, m_session.companyText()));
    m_session.selectApp(index);
    return QString();
}

QString CliChoice::engine(const QString& name) {
    TEngBuild& engines = *m_session.gwide().engBuild();
    const int index = static_cast<int>(engines.engineList().indexOf(name));
    if (index < 0)
        return own(QStringLiteral("No site engine named \"%1\" in this workspace.").arg(name));
    engines.select(index);
    engines.LoadSiteEngine(name);
    return QString();
}
