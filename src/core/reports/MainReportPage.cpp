#include "reports/MainReportPage.h"

#include "reports/ReportHtml.h"

namespace {

const QString kRowEnd = QStringLiteral("  </tr>");
const QString kRowStart = QStringLiteral("  <tr>");
const QString kSpacer = QStringLiteral("    <td width=\"154\"></td>");

QString labelCell(const QString& label) {
    return QStringLiteral("    <td width=\"149\" align=\"right\"><font face=\"Arial\" "
                          "color=\"#000080\"><small>") +
           label + QStringLiteral("</small></font></td>");
}

QStringList countLabelCell(const QString& label) {
    return {QStringLiteral(
                "    <td width=\"149\" align=\"right\"><font face=\"Arial\" color=\"#000080\">"),
            QStringLiteral("<small>") + label + QStringLiteral("</small></font></td>")};
}

QString valueCell(const QString& indent, const QString& value) {
    return indent + QStringLiteral("<td width=\"243\"><small><font face=\"Arial\">") +
           ReportHtml::escape(value) + QStringLiteral("</font></small></td>");
}

QStringList spacerRow() {
    return {kRowEnd, kRowStart, kSpacer, QStringLiteral("    <td width=\"149\"></td>"),
            QStringLiteral("    <td width=\"243\"></td>")};
}

QString bandCell(const QString& inner) {
    return QStringLiteral("    <td width=\"546\" colspan=\"3\" bgcolor=\"#000080\"><p "
                          "align=\"right\">") +
           inner + QStringLiteral("</td>");
}

} // namespace

QStringList MainReportPage::lines() const {
    return head() + details() + logSection() + siteSection() + tail();
}

QStringList MainReportPage::head() const {
    return {
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        ReportHtml::charsetLine(),
        QStringLiteral("<title>Submission Report</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body topmargin=\"0\" leftmargin=\"0\" background=") + backgroundRef + u'>',
        QStringLiteral("<blockquote>"),
        QStringLiteral("  <p><br>"),
        QStringLiteral("<img src=") + bannerRef +
            QStringLiteral(" alt=\".jpg\" WIDTH=\"180\" HEIGHT=\"60\"></p>"),
        QStringLiteral("</blockquote>"),
        QStringLiteral("<table border=\"0\" cellpadding=\"2\" width=\"550\" cellspacing=\"0\">"),
        kRowStart,
        QStringLiteral("    <td width=\"546\" bgcolor=\"#000080\" colspan=\"3\"><p "
                       "align=\"right\"><font face=\"Arial\" color=\"#FFFFFF\"><strong>"
                       "Submission Detail</strong></font></td>")};
}

QStringList MainReportPage::details() const {
    const QString four = QStringLiteral("    ");
    const QStringList open{kRowEnd, kRowStart, kSpacer};
    QStringList lines;
    lines << open << labelCell(QStringLiteral("Date:")) << valueCell(QString(), runDate);
    lines << open << labelCell(QStringLiteral("Time Started:")) << valueCell(four, timeStarted);
    lines << open << labelCell(QStringLiteral("Time Completed:"))
          << valueCell(QStringLiteral("     "), timeCompleted);
    lines << open << labelCell(QStringLiteral("Application:")) << valueCell(four, application);
    lines << open << countLabelCell(QStringLiteral("# of Successful Submissions"))
          << valueCell(four, QString::number(successCount));
    lines << open << countLabelCell(QStringLiteral("# of Failed Submissions"))
          << valueCell(four, QString::number(failCount));
    return lines;
}

QStringList MainReportPage::logSection() const {
    QStringList lines = spacerRow();
    lines << kRowEnd << kRowStart
          << bandCell(QStringLiteral("<font face=\"Arial\" color=\"#FFFFFF\"><strong>Submission "
                                     "Log</strong></font>"))
          << kRowEnd << kRowStart << kSpacer
          << QStringLiteral("    <td width=\"392\" colspan=\"2\"><ul>")
          << QStringLiteral("      <li><a href=\"") + ReportHtml::escape(logReportUrl) +
                 QStringLiteral("\"><small><font face=\"Arial\" color=\"#0000FF\"><u>View "
                                "Submission Log</u></font></small></a></li>")
          << QStringLiteral("    </ul>") << QStringLiteral("    </td>");
    return lines + spacerRow();
}

QStringList MainReportPage::siteSection() const {
    QStringList lines{kRowEnd, kRowStart,
                      bandCell(QStringLiteral("<strong><font face=\"Arial\" color=\"#FFFFFF\">"
                                              "Site Responses:</font></strong>")),
                      kRowEnd};
    for (const SiteLink& link : links) {
        lines << kRowStart << kSpacer << QStringLiteral("    <td width=\"392\" colspan=\"2\"><ul>")
              << QStringLiteral("       <li><a href=\"") + ReportHtml::escape(link.url) +
                     QStringLiteral("\"><font face=\"Arial\" color=\"#0000FF\"><u><small>") +
                     ReportHtml::escape(link.label) + QStringLiteral("</small></u></font></a></li>")
              << QStringLiteral("    </ul>") << QStringLiteral("    </td>") << kRowEnd;
    }
    return lines;
}

QStringList MainReportPage::tail() const {
    return {kRowStart,
            kSpacer,
            QStringLiteral("    <td width=\"392\" colspan=\"2\"><small><font face=\"Arial\" "
                           "color=\"#400080\"><small>*E-Mail Note: "),
            QStringLiteral("    that a successful e-mail only means that the e-mail was sent. "
                           "However there are many"),
            QStringLiteral("    circumstances that can cause the mail not to be delivered which "
                           "are beyond the control of"),
            QStringLiteral("    Shipkit.</small></font></small>"),
            QStringLiteral(" "),
            ReportHtml::footerLine(footerText),
            QStringLiteral("</td>"),
            kRowEnd,
            QStringLiteral("</table>"),
            QStringLiteral("</body>"),
            QStringLiteral("</html>")};
}
