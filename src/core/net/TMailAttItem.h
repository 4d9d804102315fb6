#pragma once

#include "net/TransferEncoding.h"

#include <QByteArray>
#include <QString>

// One attached file: its name without folders, its content type, how it is encoded, and its
// bytes, read when it was added so a later change on disk cannot tear the message.
class TMailAttItem {
public:
    static constexpr int MaxNameLength = 255;

    TMailAttItem(const QString& fileName, const QString& contentType, const QByteArray& data);

    const QString& FileName() const { return m_fileName; }
    const QString& ContentType() const { return m_contentType; }
    TransferEncoding Encoding() const { return m_encoding; }
    const QByteArray& Data() const { return m_data; }

private:
    QString m_fileName;
    QString m_contentType;
    TransferEncoding m_encoding;
    QByteArray m_data;
};
