#pragma once

#include <QFont>
#include <QStringList>

class QPrinter;

// Prints the run log as plain lines, one log line to a printed line, flowing onto as many
// pages as it takes.
class LogPrinter {
public:
    explicit LogPrinter(const QFont& font) : m_font(font) {}

    // False when the printer could not be started.
    bool print(QPrinter& printer, const QStringList& lines) const;

private:
    QFont m_font;
};
