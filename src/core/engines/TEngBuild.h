#pragma once

#include "engines/SiteEngine.h"

#include <QStringList>

class Prompter;
class TIniSites;
struct Workspace;

// Owns the site engines: the built-in, user and combined lists, the current engine and
// its files.
class TEngBuild {
public:
    TEngBuild(const Workspace& workspace, const TIniSites& sites);

    // A name that cannot be a file name is left out, with a message through the prompter.
    void LoadSiteLists(Prompter& prompter);
    void SaveSiteLists() const;
    const QStringList& engineList() const { return m_engines; }
    const QStringList& builtInList() const { return m_builtIn; }
    const QStringList& userList() const { return m_user; }
    int selectedIndex() const { return m_selected; }
    void select(int index);

    // Makes the named site current: defaults first, then whatever files exist.
    void LoadSiteEngine(const QString& name);
    void SaveSiteEngine() const;
    // A new user engine, current and written; false for an empty, unusable or duplicate name
    // (after the error box). A failed write raises and leaves the lists as they were.
    bool AddSite(const QString& name, Prompter& prompter);
    void DeleteSite();

    SiteEngine& current() { return m_current; }
    const SiteEngine& current() const { return m_current; }
    // The current engine back to every default, keeping its name.
    void resetCurrent();

    // The engine's files; each raises ShipkitError when a link leads it outside the workspace.
    QString settingsPath(const QString& site) const;
    QString categoryPath(const QString& site, int list) const;
    QString scriptPath(const QString& site, SiteEngine::Script script) const;

    static QString CategoryValue(const QString& line);
    static QString CategoryDisplay(const QString& line);

private:
    QString inside(const QString& path) const;
    void insertSorted(QStringList& list, const QString& name) const;

    const Workspace& m_workspace;
    const TIniSites& m_sites;
    QStringList m_builtIn;
    QStringList m_user;
    QStringList m_engines;
    int m_selected = -1;
    SiteEngine m_current;
};
