#pragma once

#include <QString>
#include <QStringList>

// A report page read back from disk, for tests that check what a run wrote.
class ReportPage {
public:
    explicit ReportPage(const QString& path);

    bool exists() const { return m_exists; }
    const QString& html() const { return m_html; }
    // The texts of the page's log lines, in order, without their times.
    QStringList logTexts() const;

private:
    bool m_exists = false;
    QString m_html;
};
