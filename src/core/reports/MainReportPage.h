#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// "MainReport.htm": the run's details, the link to the log and one link per site page.
class MainReportPage {
public:
    struct SiteLink {
        QString label;
        QString url;
    };

    QString bannerRef;
    QString backgroundRef;
    QString runDate;
    QString timeStarted;
    QString timeCompleted;
    QString application;
    qint32 successCount = 0;
    qint32 failCount = 0;
    QString logReportUrl;
    QList<SiteLink> links;
    QString footerText;

    QStringList lines() const;

private:
    QStringList head() const;
    QStringList details() const;
    QStringList logSection() const;
    QStringList siteSection() const;
    QStringList tail() const;
};
