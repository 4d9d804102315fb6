#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class Session;
class SiteEngineBinder;

// "Details": the site selector, the site's web page, the two category lists and what kinds of
// software the site accepts.
class SiteDetailsPage : public QWidget {
    Q_OBJECT
public:
    SiteDetailsPage(Session& session, SiteEngineBinder& binder, QWidget* parent = nullptr);

    QComboBox* siteNames() const { return m_siteNames; }
    // The engine list, the built-in and user lists, and the selection, shown again.
    void refreshLists();
    void refreshSelection();

Q_SIGNALS:
    // The user picked an entry of the site selector.
    void sitePicked(int index);

private:
    QWidget* buildNames();
    QWidget* buildCategories();
    QWidget* buildAccepts();
    QGroupBox* group(const QString& title);
    QComboBox* hiddenList(const QString& name);

    Session& m_session;
    SiteEngineBinder& m_binder;
    QComboBox* m_siteNames = nullptr;
    QComboBox* m_builtIn = nullptr;
    QComboBox* m_user = nullptr;
};
