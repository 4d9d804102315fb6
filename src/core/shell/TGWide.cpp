#include "shell/TGWide.h"

#include "engines/TEngBuild.h"
#include "engines/TIniSites.h"
#include "records/ListFile.h"
#include "shell/Session.h"

#include <QDir>
#include <QFileInfo>
#include <exception>

TGWide::TGWide(const QString& programDir) : m_paths(Workspace::at(programDir)) {}

TGWide::~TGWide() {
    m_iniSites.reset();
    m_engBuild.reset();
}

void TGWide::MakeFolders() const {
    for (const QString& folder : m_paths.folders())
        if (!QFileInfo(folder).isDir())
            QDir().mkdir(folder);
}

bool TGWide::CreateEngineObjects() {
    if (m_iniSites && m_engBuild)
        return true;
    try {
        m_iniSites = std::make_unique<TIniSites>(m_paths.SitesDir);
        m_engBuild = std::make_unique<TEngBuild>(m_paths, *m_iniSites);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

QString TGWide::appListPath(const QString& company) const {
    return m_paths.DataDir + company + QStringLiteral(" Apps.dat");
}

bool TGWide::LoadAppList(Session& session) const {
    const QString company = session.companyText();
    if (company.isEmpty() || !QFileInfo::exists(appListPath(company)))
        return false;
    session.setAppList(LoadList(appListPath(company)));
    return true;
}

void TGWide::SaveAppList(const Session& session) const {
    const QString company = session.companyText();
    if (!company.isEmpty())
        SaveList(session.apps(), appListPath(company));
}

void TGWide::loadCompanies(Session& session) const {
    const QString list = m_paths.CompaniesDir + QStringLiteral("companies.dat");
    if (!QFileInfo::exists(list))
        return;
    session.setCompanyList(LoadList(list));
    session.selectCompany(0);
}

bool TGWide::LoadWorkspace(Session& session) {
    MakeFolders();
    if (!CreateEngineObjects())
        return false;
    try {
        loadCompanies(session);
        if (!session.companies().isEmpty())
            LoadAppList(session);
        if (!session.apps().isEmpty())
            session.selectApp(0);
        m_engBuild->LoadSiteLists();
        Q_EMIT session.engineListChanged();
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
