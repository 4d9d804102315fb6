#pragma once

#include <QMainWindow>
#include <QPointer>

class CompanyPage;
class QAction;
class QMenu;
class QTabWidget;
class QtPrompter;
class Session;

// The one working window: five pages, the menus, and the first-show sequence.
class TMainFrm : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 596;
    static constexpr int ClientHeight = 408;

    TMainFrm(Session& session, QtPrompter& prompter, QWidget* parent = nullptr);

    QTabWidget* PageControl1() const { return m_pages; }
    CompanyPage* companyPage() const { return m_companyPage; }
    QMenu* fileMenu() const { return m_fileMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }

    // The splash is freed when the window is first shown.
    void setSplash(QWidget* splash) { m_splash = splash; }
    // A later start asked this copy to come forward.
    void ActivateMessage();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    QAction* addItem(QMenu* menu, const char* name, const char* caption);
    void FormShow();
    void FormActivate();

    Session& m_session;
    QtPrompter& m_prompter;
    QTabWidget* m_pages = nullptr;
    CompanyPage* m_companyPage = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QPointer<QWidget> m_splash;
    bool m_shown = false;
};
