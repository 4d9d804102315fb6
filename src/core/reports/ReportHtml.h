#pragma once

#include <QString>
#include <QStringList>

// The pieces of markup that every report page shares.
class ReportHtml {
public:
    // Text shown on a page: names, log lines and the run log are shown as text, never as markup,
    // so a "<" in a posted description cannot break the page.
    static QString escape(const QString& text);
    // A link to a local file that a browser opens: file:/// with the path percent-encoded.
    static QString urlOf(const QString& path);
    // A file's link ready to stand after src= or background=, quotes included.
    static QString quotedRef(const QString& path);

    static QString charsetLine();
    static QString logLine(const QString& time, const QString& text);
    static QString footerLine(const QString& footerText);
    static QString bannerLine(const QString& bannerRef);

    // The table under the banner of a site page and of the log report.
    struct InfoTable {
        QString heading;
        QString date;
        QString time;
        QString application;
        QString mainReportUrl;
    };
    static QStringList infoTable(const InfoTable& table);

    // A sandboxed frame that shows the site's answer as the site made it, without letting its
    // markup or scripts reach the page around it.
    static QStringList responseFrame(const QString& response);

private:
    static QStringList infoRow(const QString& label, const QString& value);
};
