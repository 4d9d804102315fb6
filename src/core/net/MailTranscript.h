#pragma once

#include <QString>
#include <QStringList>

// The lines of a mail dialogue, as sent and as received, kept until they are saved.
class MailTranscript {
public:
    void add(const QString& line) { m_lines.append(line); }
    const QStringList& lines() const { return m_lines; }
    // Replaces the file; false when it cannot be written.
    bool save(const QString& path) const;

private:
    QStringList m_lines;
};
