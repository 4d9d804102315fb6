#include "net/ZipStaging.h"

#include "net/EZipError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

EZipError cannotExtract(const QString& path, const QString& why) {
    return EZipError(
        EZipError::FileAccess,
        QStringLiteral("Cannot extract to %1: %2.").arg(QDir::toNativeSeparators(path), why));
}

QString prepared(const QString& dir) {
    if (!QDir().mkpath(dir))
        throw cannotExtract(dir, QStringLiteral("the folder cannot be created. Check your rights "
                                                "on the folder above it"));
    return QDir(dir).absolutePath();
}

} // namespace

ZipStaging::ZipStaging(const QString& targetDir)
    : m_target(prepared(targetDir)), m_dir(m_target + QStringLiteral("/.unzip-XXXXXX")) {
    if (!m_dir.isValid())
        throw cannotExtract(m_target, m_dir.errorString() +
                                          QStringLiteral(". Check your rights on the folder"));
}

QString ZipStaging::stage(const QString& flatName) {
    const QString target = m_target + u'/' + flatName;
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        throw cannotExtract(target, QStringLiteral("a folder of that name is in the way. Move it "
                                                   "away and extract again"));
    const QString staged = m_dir.filePath(QString::number(m_moves.size()));
    m_moves.emplace_back(staged, target);
    return staged;
}

// rename() replaces a file, or a link in the file's place, without following it.
void ZipStaging::commit() {
    for (const auto& [staged, target] : m_moves)
        if (std::rename(QFile::encodeName(staged).constData(),
                        QFile::encodeName(target).constData()) != 0)
            throw cannotExtract(target, QString::fromLocal8Bit(std::strerror(errno)));
}
