#pragma once

#include <QString>
#include <QStringList>

class RunView;

// The FTP transcript of one site's step: shown as it grows ("ftplist") and kept for the site's
// report page. A server that floods us with reply lines must not fill memory or the report, so
// the transcript stops growing at a limit and says so once.
class FtpTranscript {
public:
    static constexpr int MaxLines = 2000;

    explicit FtpTranscript(RunView& view) : m_view(view) {}

    void clear();
    void add(const QString& line);
    const QStringList& lines() const { return m_lines; }

private:
    RunView& m_view;
    QStringList m_lines;
};
