#pragma once

#include "commands/ApplicationCommands.h"
#include "commands/CloseQuestions.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SiteListCommands.h"
#include "commands/SubmitCommands.h"
#include "shell/Session.h"

#include <QMainWindow>
#include <memory>

class CompanyPage;
class QAction;
class QMenu;
class QTabWidget;
class QtPrompter;
class SiteBuilderPage;
class SitesPage;
class TVarsForm;
class SubmitPage;

// The one working window: five pages, the menus, the page rules, the close questions and
// posting mode.
class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 596;
    static constexpr int ClientHeight = 408;
    // How long the status bar says what was saved.
    static constexpr int SavedMessageMs = 4000;
    static const QString ShipkitHomePage;
    static const QString TallmarkHomePage;

    TMainFrm(Session& session, QtPrompter& prompter, QWidget* parent = nullptr);

    QTabWidget* PageControl1() const { return m_pages; }
    CompanyPage* companyPage() const { return m_companyPage; }
    SubmitPage* submitPage() const { return m_submitPage; }
    SitesPage* sitesPage() const { return m_sitesPage; }
    SiteBuilderPage* siteBuilderPage() const { return m_siteBuilderPage; }
    TVarsForm* varsForm() const { return m_vars; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    CompanyCommands& companyCommands() { return m_companyCommands; }
    ApplicationCommands& appCommands() { return m_appCommands; }
    SiteBuilderCommands& siteBuilderCommands() { return m_siteBuilderCommands; }
    CloseQuestions& closeQuestions() { return m_closeQuestions; }

    // The window owns the splash: freed when the window is first shown, or with the window.
    void setSplash(std::unique_ptr<QWidget> splash) { m_splash = std::move(splash); }
    // A later start asked this copy to come forward.
    void ActivateMessage();
    // The posting state as a run sets it: the page's buttons, then the menus.
    void setPostingMode(bool on);
    // A page switch made by the program runs no checks.
    void showPage(Session::Page page);
    // False when the dialog was cancelled.
    bool Mnu_SettingsClick();
    void Mnu_ReportsClick();
    // "&Update Data Files": once new data is in, the restart and the close.
    void Mnu_UpdateDataFilesClick();
    void viewInSiteBuilder(const QString& site);
    void About2Click();

Q_SIGNALS:
    // The About box's "&D": the engine checker opens once the box has closed.
    void engineCheckerRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    void wireCompanyPage();
    void wireScriptWindows();
    QAction* addItem(QMenu* menu, const char* name, const char* caption);
    void FormShow();
    void FormActivate();
    void pageChanged(int index);
    void PageControl1Change();
    bool requireCompany();
    void Help1Click();
    void wireSubmitPage();
    void lockMenus(bool on);
    // Ctrl+S: saves what the current page shows.
    void saveCurrentPage();

    Session& m_session;
    QtPrompter& m_prompter;
    CompanyCommands m_companyCommands;
    ApplicationCommands m_appCommands;
    SiteBuilderCommands m_siteBuilderCommands;
    SiteListCommands m_siteListCommands;
    CloseQuestions m_closeQuestions;
    QTabWidget* m_pages = nullptr;
    CompanyPage* m_companyPage = nullptr;
    SubmitPage* m_submitPage = nullptr;
    std::unique_ptr<SubmitCommands> m_submitCommands;
    bool m_closeAfterRun = false;
    SitesPage* m_sitesPage = nullptr;
    SiteBuilderPage* m_siteBuilderPage = nullptr;
    TVarsForm* m_vars = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_viewReports = nullptr;
    std::unique_ptr<QWidget> m_splash;
    int m_lastPage = 0;
    bool m_programSwitch = false;
    bool m_shown = false;
};
