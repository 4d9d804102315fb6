#include "records/WorkspacePath.h"

#include "base/ShipkitError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Where an existing path leads once every link is followed; "" when nothing is there. The
// kernel names the file it opened in one look-up, where resolving folder by folder costs a
// system call for each folder on the way, and every file a run touches is checked.
QString canonical(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0)
        return QString();
    char target[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t size = ::readlink(link.constData(), target, sizeof target);
    ::close(fd);
    if (size <= 0 || size >= static_cast<ssize_t>(sizeof target))
        return QFileInfo(path).canonicalFilePath(); // no /proc: the long way
    return QFile::decodeName(QByteArray(target, size));
}

// Where a path leads once every link is followed; for a file not there yet, where it would go.
QString resolved(const QString& path) {
    const QFileInfo info(path);
    QString found = canonical(info.absoluteFilePath());
    if (!found.isEmpty())
        return found;
    QString rest = info.fileName();
    QFileInfo folder(info.absolutePath());
    while ((found = canonical(folder.absoluteFilePath())).isEmpty() && !folder.isRoot()) {
        rest = folder.fileName() + u'/' + rest;
        folder.setFile(folder.absolutePath());
    }
    return QDir(found).filePath(rest);
}

} // namespace

namespace WorkspacePath {

QString inside(const QString& root, const QString& path) {
    // Every file a run touches is checked against the same root: where the root leads is kept
    // from the last call, and looked up afresh before a refusal, should the root have moved.
    thread_local QString lastRoot, lastTop;
    const QString target = resolved(path);
    const auto within = [&target](const QString& top) {
        return target == top || target.startsWith(top.endsWith(u'/') ? top : top + u'/');
    };
    if (root == lastRoot && within(lastTop))
        return path;
    lastRoot = root;
    lastTop = resolved(root);
    if (within(lastTop))
        return path;
    throw ShipkitError(QStringLiteral("%1 lies outside the workspace (it leads to %2); it is "
                                      "neither read nor written. Remove the link or move the "
                                      "file into the workspace.")
                           .arg(path, target));
}

} // namespace WorkspacePath
