#include "update/UpdateFolder.h"

#include <QDir>
#include <QFile>

void UpdateFolder::clean() const {
    const QDir dir(m_path);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir.filePath(name));
}

QStringList UpdateFolder::files() const {
    return QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
}
