#include "scripts/MassChange.h"

#include "base/ShipkitError.h"
#include "engines/TEngBuild.h"
#include "records/ListFile.h"
#include "records/RegularFile.h"
#include "records/TextCodec.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace {

[[noreturn]] void unwritable(const QString& path, const QString& reason) {
    throw ShipkitError(QStringLiteral("No script was changed: unable to write to %1").arg(path),
                       reason);
}

} // namespace

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

void MassChange::checkWritable(const QString& path) {
    // The file is replaced by a new one beside it, so its folder must take a file as well.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!QFileInfo(path).isWritable() || !folder.isWritable())
        unwritable(path, QString::fromLocal8Bit(std::strerror(EACCES)));
}

std::vector<MassChange::Edit> MassChange::plan(const TEngBuild& engines, const QString& from,
                                               const QString& to, Outcome& outcome) {
    std::vector<Edit> edits;
    for (const QString& site : engines.engineList()) {
        for (int s = 0; s < SiteEngine::ScriptCount; ++s) {
            const QString path = engines.scriptPath(site, static_cast<SiteEngine::Script>(s));
            if (!QFileInfo::exists(path))
                continue;
            const RegularFile::Contents file = RegularFile::read(path);
            if (file.outcome != RegularFile::Outcome::Read)
                unwritable(path, file.reason);
            QString text = splitLines(TextCodec::decode(file.bytes)).join(QStringLiteral("\r\n"));
            if (replaceIn(text, from, to) == 0)
                continue;
            // A rewrite would drop everything after the NUL, as a list file ends there.
            if (text.contains(QChar(0))) {
                outcome.untouched << path + QStringLiteral(": contains a NUL byte; not changed");
                continue;
            }
            checkWritable(path);
            edits.push_back({path, splitLines(text)});
        }
    }
    return edits;
}

MassChange::Outcome MassChange::replaceAll(const TEngBuild& engines, const QString& from,
                                           const QString& to) {
    Outcome outcome;
    for (const Edit& edit : plan(engines, from, to, outcome)) {
        SaveList(edit.lines, edit.path);
        ++outcome.written;
    }
    return outcome;
}

MassChange::Plan MassChange::preview(const TEngBuild& engines, const QString& from,
                                     const QString& to) {
    Outcome outcome;
    Plan result;
    for (const Edit& edit : plan(engines, from, to, outcome))
        result.paths << edit.path;
    result.untouched = outcome.untouched;
    return result;
}
