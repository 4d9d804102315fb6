#pragma once

#include <QDateTime>
#include <QString>

// Small text helpers shared by records, scripts, posting and reports.
namespace TextHelpers {
QString BytesToKb(const QString& bytes);
QString BytesToMb(const QString& bytes);
QString StampNow(const QDateTime& now);
QString& StripLeadingSpaces(QString& text);
QString& StripTrailingSpaces(QString& text);
QString& StripSpaces(QString& text);
QString EncodeSpaces(const QString& text);
QString EncodeLineBreaks(const QString& text);
QString WrapLines(const QString& text, int width);
} // namespace TextHelpers
