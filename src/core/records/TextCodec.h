#pragma once

#include <QByteArray>
#include <QString>

// Files are written as UTF-8; files from older versions are Windows-1252. A file with a UTF-16
// byte-order mark (little- or big-endian) is read as UTF-16.
namespace TextCodec {
QString decode(const QByteArray& bytes);
// A list file's text: a NUL ends it.
QString decodeToNul(const QByteArray& bytes);
QByteArray encode(const QString& text);
} // namespace TextCodec
