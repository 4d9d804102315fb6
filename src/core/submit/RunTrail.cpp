#include "submit/RunTrail.h"

#include "submit/RunView.h"

void RunTrail::clear() {
    m_runLog.clear();
    m_view.clearRunLog();
    clearFtpLog();
}

void RunTrail::AddRunLog(const QString& text) {
    m_runLog << text;
    m_view.AddRunLog(text);
}

void RunTrail::clearFtpLog() {
    m_ftpLog.clear();
    m_view.clearFtpLog();
}

void RunTrail::AddFtpLog(const QString& text) {
    m_ftpLog << text;
    m_view.AddFtpLog(text);
}
