#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class Session;
class SiteBuilderCommands;
class SiteListCommands;
class SiteGrid;

// "Sites": the application's site grid and the selected site's detail panel.
class SitesPage : public QWidget {
    Q_OBJECT
public:
    SitesPage(Session& session, SiteBuilderCommands& builder, SiteListCommands& commands,
              QWidget* parent = nullptr);

    SiteGrid* grid() const { return m_grid; }
    QMenu* popupMenu() const { return m_popup; }
    // Fills the detail panel from the selected row.
    void ShowSiteEntry();
    // Counts the sites a run will post and shows the totals.
    void refreshCounts();
    // The grid lines follow the setting.
    void applyGridLines();

Q_SIGNALS:
    void countsChanged(int total);
    void viewInSiteBuilder(const QString& site);

private:
    QWidget* buildPanel();
    QWidget* buildButtons();
    void buildPopup();
    void showList();
    void showCategory(int list, QComboBox* combo, QLabel* label, const QString& stored);
    void refreshSelectedRow();
    void goToUrl();
    void gridAll(int button);
    void popupOpened(const QPoint& at);

    Session& m_session;
    SiteBuilderCommands& m_builder;
    SiteListCommands& m_commands;
    SiteGrid* m_grid = nullptr;
    QRadioButton* m_new = nullptr;
    QRadioButton* m_update = nullptr;
    QCheckBox* m_post = nullptr;
    QComboBox* m_cat1 = nullptr;
    QComboBox* m_cat2 = nullptr;
    QLabel* m_cat1Label = nullptr;
    QLabel* m_cat2Label = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_total = nullptr;
    QCheckBox* m_gridLines = nullptr;
    QMenu* m_popup = nullptr;
};
