#include "shell/Session.h"

#include "base/BusyCursor.h"
#include "engines/TEngBuild.h"
#include "records/IniSnapshot.h"
#include "records/ListFile.h"
#include "records/LongDate.h"
#include "shell/TGWide.h"

#include <QFileInfo>
#include <algorithm>

namespace {

bool lessIgnoringCase(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

} // namespace

Session::Session(TGWide& gwide, Prompter& prompter, Clock& clock, QObject* parent)
    : QObject(parent), m_gwide(gwide), m_prompter(prompter), m_clock(clock),
      m_siteList(gwide.paths(), m_app) {}

void Session::setReadOnly(bool on) {
    m_readOnly = on;
    m_siteList.setReadOnly(on);
}

bool Session::LoadWorkspace() {
    try {
        if (!m_readOnly)
            m_gwide.MakeFolders();
        if (const auto companies = m_gwide.LoadWorkspace(m_prompter)) {
            setCompanyList(*companies);
            selectCompany(0);
        }
        if (!m_companies.isEmpty())
            if (const auto apps = m_gwide.LoadAppList(companyText(), m_prompter))
                setAppList(*apps);
        if (!m_apps.isEmpty())
            selectApp(0);
        m_gwide.LoadEngineLists(m_prompter);
        Q_EMIT engineListChanged();
    } catch (const std::exception& e) {
        m_loadError = QString::fromUtf8(e.what());
        return false;
    }
    m_loadError.clear();
    return true;
}

ExpansionContext Session::expansionContext() const {
    ExpansionContext context;
    context.company = &m_company;
    context.app = &m_app;
    context.appName = appText();
    context.engine = &m_gwide.engBuild()->current();
    context.clock = &m_clock;
    context.prompter = &m_prompter;
    return context;
}

QString Session::companyText() const {
    return m_companyIndex >= 0 ? m_companies.at(m_companyIndex) : QString();
}

void Session::setCompanyList(const QStringList& names) {
    m_companies = names;
    std::stable_sort(
        m_companies.begin(), m_companies.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    m_companyIndex = -1;
    Q_EMIT companyListChanged();
}

void Session::selectCompany(int index) {
    m_companyIndex = (index >= 0 && index < m_companies.size()) ? index : -1;
    m_company[CompanyRecord::CONAME] = companyText();
    compnameChange();
}

void Session::chooseCompany(int index) {
    selectCompany(index);
    reloadAppList();
}

void Session::reloadAppList() {
    setAppList(m_gwide.LoadAppList(companyText(), m_prompter).value_or(QStringList()));
    selectApp(m_apps.isEmpty() ? -1 : 0);
}

void Session::addCompany(const QString& name) {
    const QString selected = companyText();
    const auto at =
        std::upper_bound(m_companies.begin(), m_companies.end(), name, lessIgnoringCase);
    m_companies.insert(at, name);
    if (m_companyIndex >= 0)
        m_companyIndex = static_cast<int>(m_companies.indexOf(selected));
    Q_EMIT companyListChanged();
}

void Session::removeCompany(const QString& name) {
    m_companies.removeOne(name);
    m_companyIndex = -1;
    m_company[CompanyRecord::CONAME].clear();
    Q_EMIT companyListChanged();
}

void Session::clearCompanyFields() {
    for (int f = CompanyRecord::CONTACT; f < CompanyRecord::FieldCount; ++f)
        setCompanyField(static_cast<CompanyRecord::Field>(f), QString());
    setBhsId(QString());
    Q_EMIT companyLoaded();
}

void Session::setBhsId(const QString& id) {
    setCompanyField(CompanyRecord::BHSID, id);
}

void Session::compnameChange() {
    if (SuppressCompanyChange || m_companyIndex < 0)
        return;
    BusyCursor busy(m_prompter);
    const QString path = m_gwide.companyPath(companyText());
    // A company without its record shows empty fields, never those of the one before it.
    if (!QFileInfo::exists(path)) {
        clearCompanyFields();
        return;
    }
    const CompanyRecord loaded = CompanyRecord::read(IniSnapshot(path));
    // The stored name becomes the selector's text; a name not on the list selects nothing.
    m_companyIndex = static_cast<int>(m_companies.indexOf(loaded[CompanyRecord::CONAME]));
    m_company[CompanyRecord::CONAME] = companyText();
    m_company[CompanyRecord::BHSID] = loaded[CompanyRecord::BHSID];
    for (int f = CompanyRecord::CONTACT; f < CompanyRecord::FieldCount; ++f)
        setCompanyField(static_cast<CompanyRecord::Field>(f), loaded.values[f]);
    markCompanySaved();
    Q_EMIT companyLoaded();
}

void Session::setCompanyField(CompanyRecord::Field field, const QString& value) {
    if (m_company[field] == value)
        return;
    m_company[field] = value;
    CompanyUnsaved = m_company.values != m_companySaved.values;
}

QString Session::appText() const {
    return m_appIndex >= 0 ? m_apps.at(m_appIndex) : QString();
}

void Session::setAppList(const QStringList& names) {
    m_apps = names;
    m_appIndex = -1;
    Q_EMIT appListChanged();
}

void Session::selectApp(int index) {
    SiteListChanged = false;
    m_appIndex = (index >= 0 && index < m_apps.size()) ? index : -1;
    if (m_appIndex >= 0) {
        AppNameChange();
        return;
    }
    // No application to show: empty fields, no sites, and nothing to save.
    clearAppFields();
    markAppSaved();
    rebuildSiteList();
}

void Session::addApp(const QString& name) {
    m_apps.append(name);
    Q_EMIT appListChanged();
}

void Session::removeApp(const QString& name) {
    m_apps.removeOne(name);
    m_appIndex = -1;
    Q_EMIT appListChanged();
}

void Session::markAppSelected(const QString& name) {
    m_appIndex = static_cast<int>(m_apps.indexOf(name));
    Q_EMIT appListChanged();
}

void Session::clearAppFields() {
    for (const auto& key : ApplicationRecord::keys())
        setAppValue(key.name, QString());
    setLongDescription(QString());
    setNotes(QString());
    refreshLongDate();
    Q_EMIT appLoaded();
}

void Session::AppNameChange() {
    BusyCursor busy(m_prompter);
    const ApplicationRecord loaded = ApplicationRecord::read(
        IniSnapshot(m_gwide.appFilePath(appText(), QStringLiteral(".dat"))));
    for (const auto& key : ApplicationRecord::keys())
        if (key.name != QLatin1String("NAME"))
            setAppValue(key.name, loaded.value(key.name));
    // A missing text file empties its memo, so one application's text never shows in another.
    const auto loadMemo = [](const QString& path) {
        try {
            return QFileInfo::exists(path) ? LoadList(path).join(QStringLiteral("\r\n"))
                                           : QString();
        } catch (const std::exception&) {
            return QString();
        }
    };
    setLongDescription(loadMemo(m_gwide.appFilePath(appText(), QStringLiteral(".lds"))));
    setNotes(loadMemo(m_gwide.appFilePath(appText(), QStringLiteral(".nts"))));
    markAppSaved();
    refreshLongDate();
    Q_EMIT appLoaded();
    rebuildSiteList();
}

void Session::rebuildSiteList() {
    m_siteList.LoadSiteList(*m_gwide.engBuild(), appText());
    Q_EMIT siteListLoaded();
}

void Session::setAppText(QString& target, const QString& value) {
    if (target == value)
        return;
    target = value;
    AppUnsaved = !(m_app == m_appSaved);
}

void Session::setAppValue(const QString& key, const QString& value) {
    const int i = ApplicationRecord::indexOf(key);
    if (i >= 0)
        setAppText(m_app.values[i], value);
}

void Session::setLongDescription(const QString& text) {
    setAppText(m_app.longDescription, text);
}

void Session::setNotes(const QString& text) {
    setAppText(m_app.notes, text);
}

void Session::refreshLongDate() {
    m_longDate = longdatep(m_app.value("DAY"), m_app.value("MONTH"), m_app.value("YEAR"));
    Q_EMIT longDateChanged();
}

void Session::markCompanySaved() {
    m_companySaved = m_company;
    CompanyUnsaved = false;
}

void Session::markAppSaved() {
    m_appSaved = m_app;
    AppUnsaved = false;
}

void Session::markEngineSaved() {
    m_engineSaved = m_gwide.engBuild()->current();
    EngineUnsaved = false;
}

void Session::engineEdited() {
    EngineUnsaved = !(m_gwide.engBuild()->current() == m_engineSaved);
}

void Session::clearUnsaved() {
    markCompanySaved();
    markAppSaved();
    markEngineSaved();
    SiteListChanged = false;
}
