#include "support/RecordingRunView.h"

QString RecordingRunView::name(Method method) {
    switch (method) {
    case Method::Http:
        return QStringLiteral("http");
    case Method::Ftp:
        return QStringLiteral("ftp");
    case Method::Email:
        return QStringLiteral("mail");
    }
    return QString();
}

void RecordingRunView::setCurrentSite(const QString& site) {
    shown << QStringLiteral("site: ") + site;
}

void RecordingRunView::setStatus(Method method, const QString& text) {
    shown << QStringLiteral("status %1: %2").arg(name(method), text);
}

void RecordingRunView::setLed(Method method, Led state) {
    static const char* const states[] = {"off", "blinking", "lit"};
    shown << QStringLiteral("led %1: %2")
                 .arg(name(method), QLatin1String(states[static_cast<int>(state)]));
}

void RecordingRunView::setCounters(int toPost, int processed) {
    shown << QStringLiteral("counters: %1 %2").arg(toPost).arg(processed);
}

void RecordingRunView::setProgress(int position, int maximum) {
    shown << QStringLiteral("progress: %1/%2").arg(position).arg(maximum);
}

void RecordingRunView::setMailProgress(int percent, bool visible) {
    shown << QStringLiteral("mail progress: %1 %2")
                 .arg(percent)
                 .arg(visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

void RecordingRunView::setHttpBytes(qint64 bytes) {
    shown << QStringLiteral("http bytes: %1").arg(bytes);
}

void RecordingRunView::clearFtpLog() {
    ftpLog.clear();
    ++ftpLogClears;
}

void RecordingRunView::AddFtpLog(const QString& text) {
    ftpLog << text;
    if (onFtpLine)
        onFtpLine(text);
}

void RecordingRunView::clearRunLog() {
    runLog.clear();
}

void RecordingRunView::AddRunLog(const QString& text) {
    runLog << text;
}

void RecordingRunView::setPosting(bool on) {
    posting = on;
    shown << QStringLiteral("posting: %1").arg(on ? "on" : "off");
}

bool RecordingRunView::askMailSettings() {
    shown << QStringLiteral("mail settings");
    if (onMailSettings)
        onMailSettings();
    if (mailAnswers.empty())
        return false;
    const bool answer = mailAnswers.front();
    mailAnswers.pop_front();
    return answer;
}

bool RecordingRunView::confirmRun(const AppSiteList::Counts& counts) {
    ++verifications;
    confirmed = counts;
    shown << QStringLiteral("verify: %1 %2 %3 %4 %5 %6 %7")
                 .arg(counts.total)
                 .arg(counts.newCount)
                 .arg(counts.update)
                 .arg(counts.http)
                 .arg(counts.ftp)
                 .arg(counts.ftpZip)
                 .arg(counts.email);
    return startPosting;
}

QStringList RecordingRunView::only(const QString& prefix) const {
    QStringList lines;
    for (const QString& line : shown)
        if (line.startsWith(prefix))
            lines << line;
    return lines;
}

QStringList RecordingRunView::statuses(Method method) const {
    const QString prefix = QStringLiteral("status %1: ").arg(name(method));
    QStringList texts;
    for (const QString& line : only(prefix))
        texts << line.mid(prefix.size());
    return texts;
}

QStringList RecordingRunView::mailProgressStates() const {
    QStringList states;
    for (const QString& line : only(QStringLiteral("mail progress: "))) {
        const QString state = line.section(u' ', -1);
        if (states.isEmpty() || states.last() != state)
            states << state;
    }
    return states;
}
