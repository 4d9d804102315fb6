#include "support/ReportPage.h"

#include <QFile>
#include <QRegularExpression>

ReportPage::ReportPage(const QString& path) {
    QFile file(path);
    m_exists = file.open(QIODevice::ReadOnly);
    if (m_exists)
        m_html = QString::fromUtf8(file.readAll());
}

namespace {

// The pages hold text escaped for HTML.
QString unescape(QString text) {
    return text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

} // namespace

QStringList ReportPage::logTexts() const {
    // A text with line breaks spreads over several lines of the file.
    static const QRegularExpression line(
        QStringLiteral(R"(<p><small><font face="Arial">\[[^\]]*\] - (.*?)</font></small></p>)"),
        QRegularExpression::DotMatchesEverythingOption);
    QStringList texts;
    for (auto it = line.globalMatch(m_html); it.hasNext();)
        texts << unescape(it.next().captured(1));
    return texts;
}
