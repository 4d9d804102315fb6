#include "PrintingRunView.h"

void PrintingRunView::AddRunLog(const QString& text) {
    m_err << text << Qt::endl;
}

bool PrintingRunView::askMailSettings() {
    m_err << "shipkit-cli: the mail settings are missing: set SMTP, EMAIL and NAME in section "
             "SETTINGS of "
          << m_settingsFile
          << " (or in the desktop program's Settings dialog), then run submit again." << Qt::endl;
    return false;
}

bool PrintingRunView::confirmRun(const AppSiteList::Counts& counts) {
    const std::pair<const char*, int> lines[] = {
        {"Total Sites:", counts.total}, {"New:", counts.newCount}, {"Update:", counts.update},
        {"HTTP:", counts.http},         {"FTP:", counts.ftp},      {"FTP w/Zips:", counts.ftpZip},
        {"EMAIL:", counts.email}};
    for (const auto& [label, count] : lines)
        m_err << label << ' ' << count << '\n';
    m_err.flush();
    return true;
}
