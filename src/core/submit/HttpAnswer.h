#pragma once

#include <QByteArray>
#include <QString>

// The site's answer to the last HTTP post ("xfer"), which its report page shows. Only the first
// mebibyte is kept, so a site cannot fill the memory or the report.
class HttpAnswer {
public:
    static constexpr qsizetype Limit = 1 << 20;
    static const QString CutNote; // "[answer cut at 1 MiB]"

    void clear();
    // False when the chunk no longer fits: the answer was cut and the rest is dropped.
    bool append(const QByteArray& chunk);
    bool isCut() const { return m_cut; }
    bool isEmpty() const { return m_bytes.isEmpty(); }
    // The answer as text, with the note when it was cut.
    QString text() const;

private:
    QByteArray m_bytes;
    bool m_cut = false;
};
