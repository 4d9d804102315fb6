#include "scripts/DefaultScripts.h"

#include "base/Workspace.h"
#include "records/ListFile.h"
#include "records/WorkspacePath.h"

#include <QFileInfo>

bool DefaultScripts::hasDefault(SiteEngine::Script script) {
    return !fileName(script).isEmpty();
}

QString DefaultScripts::fileName(SiteEngine::Script script) {
    switch (script) {
    case SiteEngine::FtpNew:
        return QStringLiteral("FTP_DEF_SCRIPT.SCP");
    case SiteEngine::EmailNew:
        return QStringLiteral("EMAIL_DEF_SCRIPT_NEW.SCP");
    case SiteEngine::EmailUpdate:
        return QStringLiteral("EMAIL_DEF_SCRIPT_UPDATE.SCP");
    default:
        return QString();
    }
}

QString DefaultScripts::heading(SiteEngine::Script script) {
    switch (script) {
    case SiteEngine::FtpNew:
        return QStringLiteral("Default FTP Script");
    case SiteEngine::EmailNew:
        return QStringLiteral("Default NEW EMAIL Script");
    case SiteEngine::EmailUpdate:
        return QStringLiteral("Default UPDATE EMAIL Script");
    default:
        return QString();
    }
}

QString DefaultScripts::path(SiteEngine::Script script) const {
    return WorkspacePath::inside(m_workspace.ProgramDir, m_workspace.DataDir + fileName(script));
}

bool DefaultScripts::exists(SiteEngine::Script script) const {
    return hasDefault(script) && QFileInfo::exists(path(script));
}

QString DefaultScripts::load(SiteEngine::Script script) const {
    return LoadList(path(script)).join(QStringLiteral("\r\n"));
}

void DefaultScripts::save(SiteEngine::Script script, const QString& text) const {
    SaveList(splitLines(text), path(script));
}
