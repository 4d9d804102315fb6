#include "shell/WorkspaceLocator.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool writableDir(const QString& dir) {
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

WorkspaceLocator::Result WorkspaceLocator::checkExplicit(const QString& dir, Access access) {
    const QFileInfo info(dir);
    const QString path = info.absoluteFilePath();
    if (info.exists() && !info.isDir())
        return {{},
                QStringLiteral("The workspace %1 is a file, not a folder. Name a folder with "
                               "--workspace.")
                    .arg(path)};
    if (!info.exists() && access != Access::Create)
        return {{},
                QStringLiteral("The workspace folder %1 does not exist. Create it with "
                               "'shipkit-cli --workspace %1 init'.")
                    .arg(path)};
    if (access == Access::Read)
        return {QDir(path).absolutePath() + u'/', {}};
    if (!info.exists() && !(QFileInfo(info.absolutePath()).isDir() && QDir().mkdir(path)))
        return {{},
                QStringLiteral("Cannot create the workspace folder %1. Check that its parent "
                               "folder exists and may be written.")
                    .arg(path)};
    if (!writableDir(path))
        return {{},
                QStringLiteral("The workspace folder %1 cannot be written. Choose a folder "
                               "you may write to.")
                    .arg(path)};
    return {QDir(path).absolutePath() + u'/', {}};
}

WorkspaceLocator::Result WorkspaceLocator::locate(const QString& workspaceOption,
                                                  const QString& executableDir, Access access) {
    if (!workspaceOption.isEmpty())
        return checkExplicit(workspaceOption, access);
    if (writableDir(executableDir))
        return {QDir(executableDir).absolutePath() + u'/', {}};
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return {{},
                QStringLiteral("Cannot create the data folder %1. Start with --workspace DIR "
                               "to choose one.")
                    .arg(data)};
    return {QDir(data).absolutePath() + u'/', {}};
}
