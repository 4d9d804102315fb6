#include "scripts/ScriptChecker.h"

#include "engines/TEngBuild.h"
#include "records/ListFile.h"
#include "scripts/ScriptExpander.h"

#include <QFileInfo>

ScriptChecker::ScriptChecker(TEngBuild& engines, const ExpansionContext& context)
    : m_engines(engines), m_context(context) {}

QString ScriptChecker::testScript(const QString& text) {
    ScriptExpander expander(m_context);
    const QString expanded = expander.ExpandText(text, false);
    if (expander.ScriptError())
        return QStringLiteral("Script Error! -> [") + expander.ErrorName() + u']';
    return expanded;
}

std::vector<EngineCheckEntry> ScriptChecker::checkEngines() {
    std::vector<EngineCheckEntry> errors;
    for (const QString& site : m_engines.engineList()) {
        for (int s = 0; s < SiteEngine::ScriptCount; ++s) {
            const QString path = m_engines.scriptPath(site, static_cast<SiteEngine::Script>(s));
            if (!QFileInfo::exists(path))
                continue;
            ScriptExpander expander(m_context);
            expander.ExpandText(loadScript(path), false);
            if (expander.ScriptError())
                errors.push_back(EngineCheckEntry::of(site, expander.ErrorName(), path));
        }
    }
    return errors;
}

QString ScriptChecker::loadScript(const QString& path) {
    return LoadList(path).join(QStringLiteral("\r\n"));
}
