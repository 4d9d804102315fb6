#pragma once

#include "base/Workspace.h"

#include <memory>

class Session;
class TEngBuild;
class TIniSites;

// The workspace object: its paths, its folders, the engine objects, and loading it at start.
class TGWide {
public:
    explicit TGWide(const QString& programDir);
    ~TGWide();
    TGWide(const TGWide&) = delete;
    TGWide& operator=(const TGWide&) = delete;

    const Workspace& paths() const { return m_paths; }
    TIniSites* iniSites() const { return m_iniSites.get(); }
    TEngBuild* engBuild() const { return m_engBuild.get(); }

    // Creates each missing folder, one level at a time; a failure is left to later writes.
    void MakeFolders() const;
    // Creates the engine objects unless they exist; false when that fails.
    bool CreateEngineObjects();
    // The start-up load: folders, engine objects, companies, applications, engine list.
    bool LoadWorkspace(Session& session);

    // The company's application list file into the session's selector; false when none.
    bool LoadAppList(Session& session) const;
    void SaveAppList(const Session& session) const;
    QString appListPath(const QString& company) const;

private:
    void loadCompanies(Session& session) const;

    Workspace m_paths;
    std::unique_ptr<TIniSites> m_iniSites;
    std::unique_ptr<TEngBuild> m_engBuild;
};
