#pragma once

#include "gui/records/AppLocationsPage.h"

#include <QWidget>

class AppFieldBinder;
class ApplicationCommands;
class QComboBox;
class QTabWidget;
class Session;

// "App Info": the application selector above the sub-pages "General", "Locations" and
// "Description", all bound to the session's current application.
class AppInfoPage : public QWidget {
    Q_OBJECT
public:
    AppInfoPage(Session& session, ApplicationCommands& commands, QWidget* parent = nullptr);

    QComboBox* AppName() const { return m_appName; }
    QTabWidget* subPages() const { return m_pages; }
    void setFileChooser(AppLocationsPage::FileChooser chooser);

    // Shows the session's application list and fields again.
    void refreshList();
    void refreshFields();

private:
    QWidget* buildSelector();

    Session& m_session;
    ApplicationCommands& m_commands;
    AppFieldBinder* m_binder = nullptr;
    QComboBox* m_appName = nullptr;
    QTabWidget* m_pages = nullptr;
    AppLocationsPage* m_locations = nullptr;
};
