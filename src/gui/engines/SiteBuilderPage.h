#pragma once

#include "engines/SiteEngine.h"

#include <QString>
#include <QWidget>

class QTabWidget;
class Session;
class SiteBuilderCommands;
class SiteBuilderPanel;
class SiteDetailsPage;
class SiteEngineBinder;

// "Site Builder": the current site engine on four sub-pages ("Details", "HTTP Post",
// "FTP Upload", "E-mail") above the byte format and the site commands.
class SiteBuilderPage : public QWidget {
    Q_OBJECT
public:
    SiteBuilderPage(Session& session, SiteBuilderCommands& commands, QWidget* parent = nullptr);

    QTabWidget* subPages() const { return m_pages; }
    SiteBuilderPanel* panel() const { return m_panel; }

    // The tab was entered: with sites listed and none picked, the first one is shown.
    void enterPage();
    // Shows the session's engine lists and the current engine again.
    void refreshLists();
    void refreshFields();
    // The site was sent to the maker: "Contribute!" goes until the next new site.
    void contributed();

Q_SIGNALS:
    // A right click on a field that takes variables chose "Variable List".
    void variableListRequested(QWidget* field);
    void testScriptRequested(SiteEngine::Script script);
    // "Contribute!" or " Contribute Site To Tallmark" for the current site.
    void contributeRequested();

private:
    void buildPages();
    void wirePanel();
    void sitePicked(int index);
    void newSite();
    void hideContribute();

    Session& m_session;
    SiteBuilderCommands& m_commands;
    SiteEngineBinder* m_binder = nullptr;
    QTabWidget* m_pages = nullptr;
    SiteDetailsPage* m_details = nullptr;
    SiteBuilderPanel* m_panel = nullptr;
    // The site "Contribute!" was shown for; it goes when another site is shown.
    QString m_contributeFor;
};
