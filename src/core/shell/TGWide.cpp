#include "shell/TGWide.h"

#include "base/ShipkitError.h"
#include "engines/TEngBuild.h"
#include "engines/TIniSites.h"
#include "records/ListFile.h"
#include "records/NameList.h"
#include "records/WorkspacePath.h"

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

QString TGWide::inside(const QString& path) const {
    return WorkspacePath::inside(m_paths.ProgramDir, path);
}

QString TGWide::companyListPath() const {
    return inside(m_paths.CompaniesDir + QStringLiteral("companies.dat"));
}

QString TGWide::companyPath(const QString& company) const {
    return inside(m_paths.CompaniesDir + company + QStringLiteral(".dat"));
}

QString TGWide::appListPath(const QString& company) const {
    return inside(m_paths.DataDir + company + QStringLiteral(" Apps.dat"));
}

QString TGWide::appFilePath(const QString& application, const QString& ending) const {
    return inside(m_paths.DataDir + application + ending);
}

std::optional<QStringList> TGWide::LoadAppList(const QString& company, Prompter& prompter) const {
    if (company.isEmpty() || !QFileInfo::exists(appListPath(company)))
        return std::nullopt;
    return NameList::load(appListPath(company), prompter);
}

void TGWide::SaveAppList(const QString& company, const QStringList& apps) const {
    if (!company.isEmpty())
        SaveList(apps, appListPath(company));
}

std::optional<QStringList> TGWide::LoadWorkspace(Prompter& prompter) {
    if (!CreateEngineObjects())
        throw ShipkitError(QStringLiteral("The site engines could not be set up: ") +
                           m_createError);
    const QString companies = companyListPath();
    if (!QFileInfo::exists(companies))
        return std::nullopt;
    return NameList::load(companies, prompter);
}

void TGWide::LoadEngineLists(Prompter& prompter) {
    m_engBuild->LoadSiteLists(prompter);
}
