#include "reports/TReportsFrm.h"

#include "base/Clock.h"
#include "base/ShipkitError.h"
#include "records/ListFile.h"
#include "records/NameRules.h"
#include "records/TextHelpers.h"
#include "reports/ReportHtml.h"
#include "reports/ReportImages.h"
#include "reports/ReportInputs.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A name that would leave its folder, or name no file at all, cannot become a report path.
bool usableFileName(const QString& name) {
    return !name.isEmpty() && NameRules::fileNameProblem(name).isEmpty();
}

} // namespace

TReportsFrm::TReportsFrm(const Workspace& paths, const Clock& clock, const ReportInputs& inputs,
                         QLocale locale)
    : m_paths(paths), m_clock(clock), m_inputs(inputs), m_locale(std::move(locale)),
      m_timeFormat(m_locale.timeFormat(QLocale::LongFormat)) {}

QString TReportsFrm::defaultFooterText() {
    return QStringLiteral("Report made by Shipkit " SHIPKIT_VERSION
                          " - shareware submission made simple");
}

QString TReportsFrm::dateText(const QDateTime& at) const {
    return m_locale.toString(at.date(), QLocale::ShortFormat);
}

QString TReportsFrm::timeText(const QDateTime& at) const {
    // A run writes many lines a second, and formatting is most of what a log line costs: the
    // text of one second is kept for local time and UTC (time formats show whole seconds).
    const bool plainZone = at.timeSpec() == Qt::LocalTime || at.timeSpec() == Qt::UTC;
    if (plainZone && at.timeSpec() == m_timeTextSpec && at.toSecsSinceEpoch() == m_timeTextSecond)
        return m_timeText;
    // Formatting the whole moment lets a time zone in the format come from the clock.
    m_timeText = m_locale.toString(at, m_timeFormat);
    m_timeTextSecond = plainZone ? at.toSecsSinceEpoch() : -1;
    m_timeTextSpec = at.timeSpec();
    return m_timeText;
}

void TReportsFrm::StartRun() {
    const QDateTime now = m_clock.now();
    m_runDate = dateText(now);
    m_timeStarted = timeText(now);
    m_timeCompleted = m_timeStarted;
    SuccessCount = 0;
    FailCount = 0;
    ReportImages::installMissing(m_paths.ImagesDir);
    m_bannerImageRef = ReportHtml::quotedRef(m_paths.ImagesDir + ReportImages::bannerName());
    m_backgroundImageRef =
        ReportHtml::quotedRef(m_paths.ImagesDir + ReportImages::backgroundName());
    makeRunFolder(m_inputs.applicationName(), TextHelpers::StampNow(now));
    m_mainReportPath = m_runFolder + QStringLiteral("/MainReport.htm");
    m_mainReportUrl = ReportHtml::urlOf(m_mainReportPath);
    m_logReportPath = m_runFolder + QStringLiteral("/LogReport.htm");
    m_logReportUrl = ReportHtml::urlOf(m_logReportPath);
    m_footerText = defaultFooterText();
    m_finalSubsList.clear();
    m_xferMemo.clear();
    m_pageOpen = false;
    m_runStarted = true;
}

void TReportsFrm::makeRunFolder(const QString& application, const QString& stamp) {
    m_appReportFolder = m_paths.ReportsDir + application;
    m_runFolder = m_appReportFolder + u'/' + stamp;
    // Nothing may be made outside reports/; the pages then fail to be written.
    m_folderUsable = usableFileName(application);
    if (!m_folderUsable)
        return;
    QDir dir;
    if (!QFileInfo::exists(m_appReportFolder))
        dir.mkdir(m_appReportFolder);
    // Two runs with the same stamp (a fixed clock, a coarse timer) must not share a folder:
    // the second would overwrite the first run's pages.
    for (int n = 2; QFileInfo::exists(m_runFolder) || QFileInfo(m_runFolder).isSymLink(); ++n)
        m_runFolder = m_appReportFolder + u'/' + stamp + u'-' + QString::number(n);
    dir.mkdir(m_runFolder);
}

QStringList TReportsFrm::pageHead(const QString& title, const QString& heading) const {
    QStringList lines{QStringLiteral("<html>"),
                      QStringLiteral("<head>"),
                      ReportHtml::charsetLine(),
                      QStringLiteral("<title>") + ReportHtml::escape(title) +
                          QStringLiteral("</title>"),
                      QStringLiteral("</head>"),
                      QStringLiteral("<body leftmargin=\"0\" bgcolor=\"#FFFFFF\">"),
                      ReportHtml::bannerLine(m_bannerImageRef)};
    const QDateTime now = m_clock.now();
    return lines + ReportHtml::infoTable({heading, dateText(now), timeText(now),
                                          m_inputs.applicationName(), m_mainReportUrl});
}

void TReportsFrm::BeginSitePage(const QString& method) {
    m_xferMemo = pageHead(method + u' ', CurrentSiteName + method + QStringLiteral(" Log:"));
    m_pageOpen = m_runStarted;
}

void TReportsFrm::AddLogLine(const QString& text) {
    // Events that arrive between pages belong to no page.
    if (m_pageOpen)
        m_xferMemo << ReportHtml::logLine(timeText(m_clock.now()), text);
}

void TReportsFrm::EndSitePage(const QString& method, const QString& siteName) {
    if (!m_pageOpen)
        return;
    m_pageOpen = false;
    if (method == QLatin1String("HTTP")) {
        const QString response = m_inputs.httpResponse().join(QString());
        if (!response.isEmpty())
            m_xferMemo << ReportHtml::responseFrame(response);
    }
    m_xferMemo << QStringLiteral(" ") << ReportHtml::footerLine(m_footerText)
               << QStringLiteral("</body>") << QStringLiteral("</html>");
    const QString fileName = siteName + QStringLiteral(" _") + method + QStringLiteral(".htm");
    const QString path = m_runFolder + u'/' + fileName;
    if (!usableFileName(fileName))
        throw ShipkitError(QStringLiteral("Cannot create file %1").arg(path));
    save(m_xferMemo, path);
    m_finalSubsList.append({siteName + u' ' + method.toUpper(), ReportHtml::urlOf(path)});
}

QStringList TReportsFrm::logReportLines() const {
    const QString application = m_inputs.applicationName();
    QStringList lines =
        pageHead(application + QStringLiteral(" Log File "), application + QStringLiteral(" Log:"));
    // The run log's entries carry no time of their own: each shows when this page was written.
    const QString time = timeText(m_clock.now());
    for (const QString& entry : m_inputs.runLog())
        lines << ReportHtml::logLine(time, entry);
    lines << ReportHtml::footerLine(m_footerText) << QStringLiteral("</body>")
          << QStringLiteral("</html>");
    return lines;
}

void TReportsFrm::FinishRun() {
    if (!m_runStarted)
        return;
    // A page still open when the run ends (a cancel inside a method) is never written.
    m_pageOpen = false;
    m_timeCompleted = timeText(m_clock.now());
    save(logReportLines(), m_logReportPath);
    MainReportPage page;
    page.bannerRef = m_bannerImageRef;
    page.backgroundRef = m_backgroundImageRef;
    page.runDate = m_runDate;
    page.timeStarted = m_timeStarted;
    page.timeCompleted = m_timeCompleted;
    page.application = m_inputs.applicationName();
    page.successCount = SuccessCount;
    page.failCount = FailCount;
    page.logReportUrl = m_logReportUrl;
    page.links = m_finalSubsList;
    page.footerText = m_footerText;
    save(page.lines(), m_mainReportPath);
}

void TReportsFrm::save(const QStringList& lines, const QString& path) const {
    if (!m_folderUsable)
        throw ShipkitError(QStringLiteral("Cannot create file %1").arg(path));
    SaveList(lines, path);
}
