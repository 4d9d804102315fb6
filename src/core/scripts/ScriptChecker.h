#pragma once

#include "engines/SiteEngine.h"
#include "scripts/EngineCheckEntry.h"
#include "scripts/ExpansionContext.h"

#include <QString>
#include <vector>

class TEngBuild;

// The script test and the engine check: expansions in check mode, in the context of the
// site shown in the site builder whatever site a script belongs to.
class ScriptChecker {
public:
    ScriptChecker(TEngBuild& engines, const ExpansionContext& context);

    // What the "Script Check" window shows for one script.
    QString testScript(const QString& text);
    // Every existing script file of every engine, in list and script order; failures only.
    std::vector<EngineCheckEntry> checkEngines();

    // A script file's text as the editor holds it (lines joined by CR LF).
    static QString loadScript(const QString& path);

private:
    TEngBuild& m_engines;
    const ExpansionContext& m_context;
};
