#include "shell/TGWide.h"

#include "base/ShipkitError.h"
#include "engines/TEngBuild.h"
#include "engines/TIniSites.h"
#include "records/ListFile.h"

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
    } catch (const std::exception& e) {
        m_createError = QString::fromUtf8(e.what());
        return false;
    }
}

QString TGWide::appListPath(const QString& company) const {
    return m_paths.DataDir + company + QStringLiteral(" Apps.dat");
}

std::optional<QStringList> TGWide::LoadAppList(const QString& company) const {
    if (company.isEmpty() || !QFileInfo::exists(appListPath(company)))
        return std::nullopt;
    return LoadList(appListPath(company));
}

void TGWide::SaveAppList(const QString& company, const QStringList& apps) const {
    if (!company.isEmpty())
        SaveList(apps, appListPath(company));
}

std::optional<QStringList> TGWide::LoadWorkspace() {
    if (!CreateEngineObjects())
        throw ShipkitError(QStringLiteral("The site engines could not be set up: ") +
                           m_createError);
    const QString companies = m_paths.CompaniesDir + QStringLiteral("companies.dat");
    if (!QFileInfo::exists(companies))
        return std::nullopt;
    return LoadList(companies);
}

void TGWide::LoadEngineLists() {
    m_engBuild->LoadSiteLists();
}
