#pragma once

#include "submit/RunView.h"

#include <QTextStream>

// shipkit-cli submit's view of a run: the run log and the verification's counts go to stderr
// as they come; lamps, counters and status texts have nothing to print.
class PrintingRunView : public RunView {
public:
    // settingsFile: where the missing mail settings are to be set.
    PrintingRunView(QTextStream& err, QString settingsFile)
        : m_err(err), m_settingsFile(std::move(settingsFile)) {}

    void setCurrentSite(const QString&) override {}
    void setStatus(Method, const QString&) override {}
    void setLed(Method, Led) override {}
    void setCounters(int, int) override {}
    void setProgress(int, int) override {}
    void setMailProgress(int, bool) override {}
    void setHttpBytes(qint64) override {}
    void clearFtpLog() override {}
    void AddFtpLog(const QString&) override {}
    void clearRunLog() override {}
    void AddRunLog(const QString& text) override;
    void setPosting(bool) override {}

    // There is no dialog to open: the run does not start.
    bool askMailSettings() override;
    // Accepted without asking; the counts are printed.
    bool confirmRun(const AppSiteList::Counts& counts) override;

private:
    QTextStream& m_err;
    QString m_settingsFile;
};
