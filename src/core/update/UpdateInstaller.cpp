#include "update/UpdateInstaller.h"

#include "base/ShipkitError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

ShipkitError cannotInstall(const UpdatePlan::Item& item, const QString& why) {
    return ShipkitError(QStringLiteral("Cannot install %1 in %2: %3.")
                            .arg(item.name, QDir::toNativeSeparators(item.folder), why));
}

} // namespace

void UpdateInstaller::stage(const std::vector<UpdatePlan::Item>& items) {
    m_staged.clear();
    for (const UpdatePlan::Item& item : items)
        stage(item);
}

void UpdateInstaller::stage(const UpdatePlan::Item& item) {
    m_status(item.name == QLatin1String("Sites.dat") ? QStringLiteral("Copying Sites.Dat...")
                                                     : QStringLiteral("Copying ") + item.name);
    const QString target = item.folder + item.name;
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        throw cannotInstall(item, QStringLiteral("a folder of that name is in the way. Move it "
                                                 "away and run the update again"));
    auto out = std::make_unique<QTemporaryFile>(item.folder + QStringLiteral(".update-XXXXXX"));
    if (!out->open())
        throw cannotInstall(item, out->errorString() +
                                      QStringLiteral(". Check that the folder exists and that "
                                                     "you may write in it"));
    // Asking for the name links a file Linux may have opened unnamed, so it outlives close().
    QString staged = out->fileName();
    copy(item, *out);
    m_staged.push_back({std::move(out), std::move(staged), target});
}

void UpdateInstaller::copy(const UpdatePlan::Item& item, QTemporaryFile& out) {
    QFile in(item.source);
    if (!in.open(QIODevice::ReadOnly))
        throw cannotInstall(item, in.errorString());
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (qint64 got; (got = in.read(buffer.data(), buffer.size())) != 0;) {
        if (got < 0)
            throw cannotInstall(item, in.errorString());
        if (out.write(buffer.constData(), got) != got)
            throw cannotInstall(item, out.errorString() + QStringLiteral(". Check the free space"));
    }
    if (!out.flush())
        throw cannotInstall(item, out.errorString() + QStringLiteral(". Check the free space"));
    out.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    out.close();
}

// rename() replaces the old file, or a link in its place, without following it.
void UpdateInstaller::commit() {
    for (const Staged& s : m_staged)
        if (std::rename(QFile::encodeName(s.path).constData(),
                        QFile::encodeName(s.target).constData()) != 0)
            throw ShipkitError(QStringLiteral("Cannot put %1 in place: %2. The update stopped "
                                              "part-way; run it again to complete it.")
                                   .arg(QDir::toNativeSeparators(s.target),
                                        QString::fromLocal8Bit(std::strerror(errno))));
    m_staged.clear();
}
