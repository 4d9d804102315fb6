#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The record-file layout: finding a section and a key in a file's text, and its integers.
namespace IniText {

// Where a section and a key stand in the lines of a text (lines split as list files are).
struct KeyPosition {
    qsizetype section = -1;     // index of the first matching section line
    qsizetype lastContent = -1; // last non-blank line of that section
    qsizetype key = -1;         // first matching key line in it
    QString value;              // its value, blanks and enclosing quotes removed
};

KeyPosition locate(QStringView text, QStringView section, QStringView key);
KeyPosition locate(const QStringList& lines, QStringView section, QStringView key);

// "0x1F" (more than two characters) is hexadecimal; otherwise decimal with optional leading
// blanks and sign, "$" marking hexadecimal. False for anything else.
bool parseInt(const QString& text, int& value);

} // namespace IniText
