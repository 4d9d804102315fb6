#pragma once

#include "base/Workspace.h"

#include <QStringList>
#include <memory>
#include <optional>

class Prompter;
class TEngBuild;
class TIniSites;

// The workspace object: its paths, its folders, the engine objects, and the lists read at start.
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
    // The start-up load: engine objects and the company list (nullopt without a list file).
    // Raises ShipkitError with the reason when it fails. Folders are the caller's choice.
    // Names that cannot be file names are left out of every list, each with a message.
    std::optional<QStringList> LoadWorkspace(Prompter& prompter);
    // The engine lists, read after the first application was shown.
    void LoadEngineLists(Prompter& prompter);

    // The company's application list; nullopt when the company has no list file.
    std::optional<QStringList> LoadAppList(const QString& company, Prompter& prompter) const;
    // Raises ShipkitError with the reason when the file cannot be written.
    void SaveAppList(const QString& company, const QStringList& apps) const;

    // The files of companies and applications; each raises ShipkitError when a link leads it
    // outside the workspace.
    QString companyListPath() const;
    QString companyPath(const QString& company) const;
    QString appListPath(const QString& company) const;
    // An application's file with the given ending (".dat", ".lds", "_SITES.dat"...).
    QString appFilePath(const QString& application, const QString& ending) const;

private:
    QString inside(const QString& path) const;

    Workspace m_paths;
    std::unique_ptr<TIniSites> m_iniSites;
    std::unique_ptr<TEngBuild> m_engBuild;
    QString m_createError;
};
