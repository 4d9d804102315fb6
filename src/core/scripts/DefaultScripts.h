#pragma once

#include "engines/SiteEngine.h"

#include <QString>

struct Workspace;

// The three stock scripts in data/: the FTP added text file and the two e-mail bodies.
class DefaultScripts {
public:
    explicit DefaultScripts(const Workspace& workspace) : m_workspace(workspace) {}

    // FtpNew, EmailNew and EmailUpdate have default scripts; the HTTP scripts do not.
    static bool hasDefault(SiteEngine::Script script);
    static QString fileName(SiteEngine::Script script);
    // The heading of the default script editor.
    static QString heading(SiteEngine::Script script);

    QString path(SiteEngine::Script script) const;
    bool exists(SiteEngine::Script script) const;
    // The editor's text: lines joined by CR LF.
    QString load(SiteEngine::Script script) const;
    // Every line ended by CR LF; creates the file when it was missing.
    void save(SiteEngine::Script script, const QString& text) const;

private:
    const Workspace& m_workspace;
};
