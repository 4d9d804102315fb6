#include "records/ListFile.h"

#include "base/ShipkitError.h"
#include "records/AtomicWrite.h"
#include "records/RegularFile.h"
#include "records/TextCodec.h"

#include <QFileInfo>

QStringList splitLines(const QString& text) {
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            i += (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

void LoadList(const QString& path, QStringList& target) {
    const RegularFile::Contents file = RegularFile::read(path);
    if (file.outcome != RegularFile::Outcome::Read)
        throw ShipkitError(QStringLiteral("Cannot open file %1").arg(path), file.reason);
    target = splitLines(TextCodec::decodeToNul(file.bytes));
}

QStringList LoadList(const QString& path) {
    QStringList list;
    LoadList(path, list);
    return list;
}

QByteArray listFileBytes(const QStringList& list) {
    qsizetype size = 0;
    for (const QString& item : list)
        size += item.size() + 2;
    QString text;
    text.reserve(size);
    for (const QString& item : list) {
        text += item;
        text += QStringLiteral("\r\n");
    }
    return TextCodec::encode(text);
}

void SaveList(const QStringList& list, const QString& path) {
    const bool existed = QFileInfo::exists(path);
    if (const QString reason = writeFileAtomically(path, listFileBytes(list)); !reason.isEmpty())
        throw ShipkitError((existed ? QStringLiteral("Unable to write to %1")
                                    : QStringLiteral("Cannot create file %1"))
                               .arg(path),
                           reason);
}
