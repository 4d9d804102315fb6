#pragma once

#include "submit/RunView.h"

#include <QStringList>
#include <deque>
#include <functional>

// A Submit page that remembers what a run showed, in order, as text lines, and answers the two
// questions from a script; it can act when a given FTP transcript line appears (to press Skip
// mid-wait).
class RecordingRunView : public RunView {
public:
    QStringList shown;  // every call but the run log, as "what: value"
    QStringList runLog; // the run log's lines
    QStringList ftpLog; // the FTP transcript's lines
    int ftpLogClears = 0;
    std::function<void(const QString&)> onFtpLine; // after each transcript line is recorded
    std::deque<bool> mailAnswers;         // askMailSettings: false when the script has run out
    std::function<void()> onMailSettings; // runs when the settings dialog is "shown"
    bool startPosting = true;             // confirmRun's answer
    AppSiteList::Counts confirmed;        // the counts of the last verification shown
    int verifications = 0;
    bool posting = false;

    void setCurrentSite(const QString& site) override;
    void setStatus(Method method, const QString& text) override;
    void setLed(Method method, Led state) override;
    void setCounters(int toPost, int processed) override;
    void setProgress(int position, int maximum) override;
    void setMailProgress(int percent, bool visible) override;
    void setHttpBytes(qint64 bytes) override;
    void clearFtpLog() override;
    void AddFtpLog(const QString& text) override;
    void clearRunLog() override;
    void AddRunLog(const QString& text) override;
    void setPosting(bool on) override;
    bool askMailSettings() override;
    bool confirmRun(const AppSiteList::Counts& counts) override;

    // The lines of shown that start with prefix.
    QStringList only(const QString& prefix) const;
    // The status texts shown for one method, in order.
    QStringList statuses(Method method) const;
    // "shown" and "hidden" as the mail progress bar's visibility changed.
    QStringList mailProgressStates() const;
    static QString name(Method method);
};
