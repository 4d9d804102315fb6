#pragma once

#include "submit/RunView.h"

#include <QStringList>
#include <functional>

// A RunView for the FTP step's tests: records the transcript, the run log and the FTP status
// texts in order, and can act when a given transcript line appears (to press Skip mid-wait).
class FtpStepView : public RunView {
public:
    QStringList ftpLog;
    QStringList runLog;
    QStringList ftpStatus; // repeated byte counts are kept once
    int ftpLogClears = 0;
    // Called after each transcript line is recorded.
    std::function<void(const QString&)> onFtpLine;

    void setCurrentSite(const QString&) override {}
    void setStatus(Method method, const QString& text) override;
    void setLed(Method, Led) override {}
    void setCounters(int, int) override {}
    void setProgress(int, int) override {}
    void setMailProgress(int, bool) override {}
    void setHttpBytes(qint64) override {}
    void clearFtpLog() override;
    void AddFtpLog(const QString& text) override;
    void clearRunLog() override { runLog.clear(); }
    void AddRunLog(const QString& text) override { runLog << text; }
    void setPosting(bool) override {}
    bool askMailSettings() override { return true; }
    bool confirmRun(const AppSiteList::Counts&) override { return true; }
};
