#include "reports/ReportHtml.h"

#include "records/ListFile.h"

#include <QUrl>

QString ReportHtml::escape(const QString& text) {
    return text.toHtmlEscaped();
}

QString ReportHtml::urlOf(const QString& path) {
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString ReportHtml::quotedRef(const QString& path) {
    return u'"' + escape(urlOf(path)) + u'"';
}

QString ReportHtml::charsetLine() {
    return QStringLiteral("<meta charset=\"utf-8\">");
}

QString ReportHtml::logLine(const QString& time, const QString& text) {
    return QStringLiteral("<p><small><font face=\"Arial\">[") + escape(time) +
           QStringLiteral("] - ") + escape(text) + QStringLiteral("</font></small></p>");
}

QString ReportHtml::footerLine(const QString& footerText) {
    return QStringLiteral("<p><small><font face=\"Arial\" color=\"#400080\">") +
           escape(footerText) + QStringLiteral("</font></small></p>");
}

QString ReportHtml::bannerLine(const QString& bannerRef) {
    return QStringLiteral("<p><img src=") + bannerRef +
           QStringLiteral(" alt=\".jpg\" WIDTH=\"180\" HEIGHT=\"60\"></p>");
}

QStringList ReportHtml::infoRow(const QString& label, const QString& value) {
    return {QStringLiteral("    <td width=\"287\" align=\"right\"><font face=\"Arial\" "
                           "color=\"#000080\"><small>") +
                label + QStringLiteral("</small></font></td>"),
            QStringLiteral("    <td width=\"290\"><small><font face=\"Arial\">") + escape(value) +
                QStringLiteral("</font></small></td>")};
}

QStringList ReportHtml::infoTable(const InfoTable& table) {
    const QString rowEnd = QStringLiteral("  </tr>");
    const QString rowStart = QStringLiteral("  <tr>");
    QStringList lines{
        QStringLiteral("<table border=\"0\" cellpadding=\"2\" width=\"581\" cellspacing=\"0\">"),
        rowStart,
        QStringLiteral("    <td width=\"577\" bgcolor=\"#000080\" colspan=\"2\"><p "
                       "align=\"right\"><font face=\"Arial\" color=\"#FFFFFF\"><strong>") +
            escape(table.heading) + QStringLiteral("</strong></font></td>"),
        rowEnd, rowStart};
    lines << infoRow(QStringLiteral("Date:"), table.date) << rowEnd << rowStart;
    lines << infoRow(QStringLiteral("Time:"), table.time) << rowEnd << rowStart;
    lines << infoRow(QStringLiteral("Application:"), table.application) << rowEnd << rowStart;
    lines << QStringLiteral("    <td width=\"577\" colspan=\"2\" bgcolor=\"#000080\"><p "
                            "align=\"right\"><a href=\"") +
                 escape(table.mainReportUrl) +
                 QStringLiteral("\"><font face=\"Arial\" color=\"#FFFFFF\"><strong>&lt;&lt;")
          << QStringLiteral("Back to Main</strong></font></a></td>") << rowEnd
          << QStringLiteral("</table>");
    return lines;
}

QStringList ReportHtml::responseFrame(const QString& response) {
    QStringList lines{QStringLiteral("<iframe sandbox=\"\" title=\"Site response\" width=\"581\" "
                                     "height=\"400\" srcdoc=\"")};
    for (const QString& line : splitLines(response))
        lines << escape(line);
    lines << QStringLiteral("\"></iframe>");
    return lines;
}
