#include "records/WorkspacePath.h"

#include "base/ShipkitError.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where a path leads once every link is followed; for a file not there yet, where it would go.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    QString rest = info.fileName();
    QFileInfo folder(info.absolutePath());
    while (!folder.exists() && !folder.isRoot()) {
        rest = folder.fileName() + u'/' + rest;
        folder.setFile(folder.absolutePath());
    }
    return QDir(folder.canonicalFilePath()).filePath(rest);
}

} // namespace

namespace WorkspacePath {

QString inside(const QString& root, const QString& path) {
    const QString top = resolved(root);
    const QString target = resolved(path);
    if (target == top || target.startsWith(top.endsWith(u'/') ? top : top + u'/'))
        return path;
    throw ShipkitError(QStringLiteral("%1 lies outside the workspace (it leads to %2); it is "
                                      "neither read nor written. Remove the link or move the "
                                      "file into the workspace.")
                           .arg(path, target));
}

} // namespace WorkspacePath
