#include "net/TMailAttList.h"

#include "net/EMessageError.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

namespace {

QString contentTypeOf(const QString& path) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return type.isValid() && !type.isDefault() ? type.name()
                                               : QStringLiteral("application/octet-stream");
}

[[noreturn]] void cannotRead(const QString& path, const QFile& file) {
    throw EMessageError(QStringLiteral("Cannot read attachment ") + path + QStringLiteral(": ") +
                        file.errorString());
}

} // namespace

void TMailAttList::add(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotRead(path, file);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        cannotRead(path, file);
    add(QFileInfo(path).fileName(), data);
}

void TMailAttList::add(const QString& fileName, const QByteArray& data) {
    m_items.append(TMailAttItem(fileName, contentTypeOf(fileName), data));
}
