#pragma once

#include "submit/RunView.h"

#include <QStringList>

// A RunView for the e-mail step's tests: records the run log, the "mailstatus" texts and the
// shown and hidden states of the mail progress bar, in order.
class MailStepView : public RunView {
public:
    QStringList runLog;
    QStringList mailStatus;
    QStringList progressStates; // "shown" / "hidden" as the visibility changes

    void setCurrentSite(const QString&) override {}
    void setStatus(Method method, const QString& text) override;
    void setLed(Method, Led) override {}
    void setCounters(int, int) override {}
    void setProgress(int, int) override {}
    void setMailProgress(int percent, bool visible) override;
    void setHttpBytes(qint64) override {}
    void clearFtpLog() override {}
    void AddFtpLog(const QString&) override {}
    void clearRunLog() override { runLog.clear(); }
    void AddRunLog(const QString& text) override { runLog << text; }
    void setPosting(bool) override {}
    bool askMailSettings() override { return true; }
    bool confirmRun(const AppSiteList::Counts&) override { return true; }
};
