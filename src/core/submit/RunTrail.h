#pragma once

#include <QStringList>

class RunView;

// The run log and the FTP transcript: shown as they grow, and kept, because the log report and
// the FTP report page are written from them.
class RunTrail {
public:
    explicit RunTrail(RunView& view) : m_view(view) {}

    void clear();
    void AddRunLog(const QString& text);
    void clearFtpLog();
    void AddFtpLog(const QString& text);

    const QStringList& runLog() const { return m_runLog; }
    const QStringList& ftpLog() const { return m_ftpLog; }

private:
    RunView& m_view;
    QStringList m_runLog;
    QStringList m_ftpLog;
};
