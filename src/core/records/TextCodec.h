#pragma once

#include <QByteArray>
#include <QString>

// Files are written as UTF-8; files from older versions are Windows-1252.
namespace TextCodec {
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);
} // namespace TextCodec
