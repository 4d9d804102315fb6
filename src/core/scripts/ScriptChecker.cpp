#include "scripts/ScriptChecker.h"

#include "engines/TEngBuild.h"
#include "records/ListFile.h"

#include <QFileInfo>

ScriptChecker::ScriptChecker(TEngBuild& engines, const ExpansionContext& context)
    : m_engines(engines), m_context(context) {}

QString ScriptChecker::testScript(const QString& text) {
    const QString expanded = m_engines.ExpandText(text, false, m_context);
    if (m_engines.ScriptError())
        return QStringLiteral("Script Error! -> [") + m_engines.ErrorName() + u']';
    return expanded;
}

std::vector<EngineCheckEntry> ScriptChecker::checkEngines() {
    std::vector<EngineCheckEntry> errors;
    for (const QString& site : m_engines.engineList()) {
        for (int s = 0; s < SiteEngine::ScriptCount; ++s) {
            const QString path = m_engines.scriptPath(site, static_cast<SiteEngine::Script>(s));
            if (!QFileInfo::exists(path))
                continue;
            m_engines.ExpandText(loadScript(path), false, m_context);
            if (m_engines.ScriptError())
                errors.push_back(EngineCheckEntry::of(site, m_engines.ErrorName(), path));
        }
    }
    return errors;
}

QString ScriptChecker::loadScript(const QString& path) {
    return LoadList(path).join(QStringLiteral("\r\n"));
}
