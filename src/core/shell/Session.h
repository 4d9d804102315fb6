#pragma once

#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "shell/Settings.h"
#include "submit/AppSiteList.h"

#include <QObject>
#include <QStringList>

class Clock;
class Prompter;
class TGWide;

// The main window's state without the window: selectors, the current company and
// application (edits included), the unsaved flags and the settings. Pages bind to it.
class Session : public QObject {
    Q_OBJECT
public:
    // The main window's pages, in tab order.
    enum Page { CompanyInfo, AppInfo, Sites, Submit, SiteBuilder };

    Session(TGWide& gwide, Prompter& prompter, Clock& clock, QObject* parent = nullptr);

    TGWide& gwide() const { return m_gwide; }
    Prompter& prompter() const { return m_prompter; }
    Clock& clock() const { return m_clock; }

    // Company selector: sorted without regard to case.
    const QStringList& companies() const { return m_companies; }
    int companyIndex() const { return m_companyIndex; }
    QString companyText() const;
    void setCompanyList(const QStringList& names);
    void selectCompany(int index);
    // Choosing a company loads its record, its application list and its first application.
    void chooseCompany(int index);
    // The current company's application list from its file, and its first application.
    void reloadAppList();
    // A new name goes where the sort puts it; the selection stays on its company.
    void addCompany(const QString& name);
    // Removes the first entry equal to the name; nothing is selected afterwards.
    void removeCompany(const QString& name);
    // Empties the twelve edit fields and the partner id.
    void clearCompanyFields();
    void compnameChange();
    const CompanyRecord& company() const { return m_company; }
    void setCompanyField(CompanyRecord::Field field, const QString& value);
    void setBhsId(const QString& id);

    // Application selector: kept in list order.
    const QStringList& apps() const { return m_apps; }
    int appIndex() const { return m_appIndex; }
    QString appText() const;
    void setAppList(const QStringList& names);
    void selectApp(int index);
    // Appends a name; the selection stays where it was.
    void addApp(const QString& name);
    void removeApp(const QString& name);
    // Selects the first entry equal to the name without loading it.
    void markAppSelected(const QString& name);
    // Empties every application field, special requirements and both memos.
    void clearAppFields();
    void AppNameChange();
    const ApplicationRecord& app() const { return m_app; }
    void setAppValue(const QString& key, const QString& value);
    void setLongDescription(const QString& text);
    void setNotes(const QString& text);
    const QString& LongDate() const { return m_longDate; }
    void refreshLongDate();

    // The current application's site list; rebuilding it saves it at once.
    AppSiteList& siteList() { return m_siteList; }
    const AppSiteList& siteList() const { return m_siteList; }
    void rebuildSiteList();

    // A read-only session creates no folder and saves no site list: for commands that only
    // read. Set it before LoadWorkspace.
    void setReadOnly(bool on);
    // The start-up load: folders, engine objects and the lists; false when it failed (the reason
    // then in loadError()).
    bool LoadWorkspace();
    const QString& loadError() const { return m_loadError; }

    // What an expansion reads now: the current company, application and engine, edits included.
    ExpansionContext expansionContext() const;

    // A command changed what these signals announce; the session tells the pages.
    void appReplaced() { Q_EMIT appLoaded(); }
    void engineReplaced() { Q_EMIT engineLoaded(); }
    void engineListReplaced() { Q_EMIT engineListChanged(); }
    // The rows (or the selection) changed without a rebuild: the Sites page shows them again.
    void siteListReplaced() { Q_EMIT siteListLoaded(); }
    void requestPage(Page page) { Q_EMIT pageRequested(page); }
    void announceSaved(const QString& what) { Q_EMIT saved(what); }

    // What was last loaded or saved: a record counts as changed only when it differs from it.
    void markCompanySaved();
    void markAppSaved();
    void markEngineSaved();
    // The current engine was edited: changed unless the edit restored what was saved.
    void engineEdited();
    // Nothing is unsaved any more: what is shown becomes what counts as saved.
    void clearUnsaved();

    Settings settings;
    bool CompanyUnsaved = false;
    bool AppUnsaved = false;
    bool EngineUnsaved = false;
    bool SiteListChanged = false;
    bool Posting = false;
    bool SkipClosePrompts = false;
    bool SuppressCompanyChange = false;
    bool FirstActivationDone = false;

Q_SIGNALS:
    void companyListChanged();
    // The company fields were set by the program (a load or a clear): pages show them again.
    void companyLoaded();
    void appListChanged();
    // The application fields were set by the program (a load or a clear).
    void appLoaded();
    void longDateChanged();
    // The site list was rebuilt: the Sites page shows it again.
    void siteListLoaded();
    // The engine lists changed (a site was added or deleted).
    void engineListChanged();
    // The current site engine was replaced or changed by the program: the builder shows it.
    void engineLoaded();
    // A command asks the window to show a page (a switch made by the program runs no checks).
    void pageRequested(Session::Page page);
    // Something was written: its name, for the status bar.
    void saved(const QString& what);

private:
    void setAppText(QString& target, const QString& value);

    TGWide& m_gwide;
    Prompter& m_prompter;
    Clock& m_clock;
    QStringList m_companies;
    int m_companyIndex = -1;
    CompanyRecord m_company;
    CompanyRecord m_companySaved;
    QStringList m_apps;
    int m_appIndex = -1;
    ApplicationRecord m_app;
    ApplicationRecord m_appSaved;
    SiteEngine m_engineSaved;
    QString m_longDate;
    AppSiteList m_siteList;
    QString m_loadError;
    bool m_readOnly = false;
};
