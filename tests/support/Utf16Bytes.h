#pragma once

#include <QByteArray>
#include <QString>

// A text as an editor saves it in UTF-16: the byte-order mark, then two bytes per code unit.
QByteArray utf16Bytes(const QString& text, bool littleEndian);
