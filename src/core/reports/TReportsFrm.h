#pragma once

#include "base/Workspace.h"
#include "reports/MainReportPage.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

class Clock;
class ReportInputs;

// The report writer: the submission run drives it through one run at a time and it leaves
// the site pages, "LogReport.htm" and "MainReport.htm" in a run-stamp folder under reports/.
class TReportsFrm {
public:
    TReportsFrm(const Workspace& paths, const Clock& clock, const ReportInputs& inputs,
                QLocale locale = QLocale::system());

    void StartRun();
    void BeginSitePage(const QString& method);
    void AddLogLine(const QString& text);
    // Raises "Cannot create file %s" when the page cannot be written.
    void EndSitePage(const QString& method, const QString& siteName);
    // Raises "Cannot create file %s" when a page cannot be written.
    void FinishRun();

    // Written by the run before each site, and counted by it once per processed site.
    QString CurrentSiteName;
    qint32 SuccessCount = 0;
    qint32 FailCount = 0;

    const QString& AppReportFolder() const { return m_appReportFolder; }
    const QString& RunFolder() const { return m_runFolder; }
    const QString& MainReportPath() const { return m_mainReportPath; }
    const QString& MainReportUrl() const { return m_mainReportUrl; }
    const QString& LogReportPath() const { return m_logReportPath; }
    const QString& LogReportUrl() const { return m_logReportUrl; }
    const QString& FooterText() const { return m_footerText; }
    const QList<MainReportPage::SiteLink>& FinalSubsList() const { return m_finalSubsList; }
    bool sitePageOpen() const { return m_pageOpen; }

    static QString defaultFooterText();

private:
    QString dateText(const QDateTime& at) const;
    QString timeText(const QDateTime& at) const;
    void makeRunFolder(const QString& application, const QString& stamp);
    QStringList pageHead(const QString& title, const QString& heading) const;
    QStringList logReportLines() const;
    void save(const QStringList& lines, const QString& path) const;

    Workspace m_paths;
    const Clock& m_clock;
    const ReportInputs& m_inputs;
    QLocale m_locale;
    QString m_timeFormat;
    mutable QString m_timeText;
    mutable qint64 m_timeTextSecond = -1;
    mutable Qt::TimeSpec m_timeTextSpec = Qt::LocalTime;

    QStringList m_xferMemo;
    QList<MainReportPage::SiteLink> m_finalSubsList;
    QString m_bannerImageRef;
    QString m_backgroundImageRef;
    QString m_appReportFolder;
    QString m_runFolder;
    QString m_mainReportUrl;
    QString m_mainReportPath;
    QString m_logReportUrl;
    QString m_logReportPath;
    QString m_footerText;
    QString m_runDate;
    QString m_timeStarted;
    QString m_timeCompleted;
    bool m_runStarted = false;
    bool m_pageOpen = false;
    bool m_folderUsable = false;
};
