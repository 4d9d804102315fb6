#include "scripts/MassChange.h"

#include "engines/TEngBuild.h"
#include "records/ListFile.h"
#include "scripts/ScriptChecker.h"

#include <QFileInfo>

bool MassChange::confirmed(const QString& from, const QString& to) {
    return !from.isEmpty() && from != to;
}

int MassChange::replaceIn(QString& text, const QString& from, const QString& to) {
    if (from.isEmpty())
        return 0;
    qsizetype at = text.indexOf(from);
    if (at < 0)
        return 0;
    QString out;
    out.reserve(text.size());
    qsizetype done = 0;
    int count = 0;
    for (; at >= 0; at = text.indexOf(from, done)) {
        out += QStringView(text).sliced(done, at - done);
        out += to;
        done = at + from.size();
        ++count;
    }
    out += QStringView(text).sliced(done);
    text = std::move(out);
    return count;
}

int MassChange::replaceAll(const TEngBuild& engines, const QString& from, const QString& to) {
    int written = 0;
    for (const QString& site : engines.engineList()) {
        for (int s = 0; s < SiteEngine::ScriptCount; ++s) {
            const QString path = engines.scriptPath(site, static_cast<SiteEngine::Script>(s));
            if (!QFileInfo::exists(path))
                continue;
            QString text = ScriptChecker::loadScript(path);
            if (replaceIn(text, from, to) == 0)
                continue;
            SaveList(splitLines(text), path);
            ++written;
        }
    }
    return written;
}
