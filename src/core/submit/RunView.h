#pragma once

#include "submit/AppSiteList.h"

#include <QString>
#include <QtGlobal>

// What a submission run shows while it works: the Submit page implements it with widgets,
// shipkit-cli submit by printing. The run calls it in the order things happen.
class RunView {
public:
    enum class Method { Http, Ftp, Email };
    // Off at the start of every site; blinking while the method runs; lit once it is done.
    enum class Led { Off, Blinking, Lit };

    virtual ~RunView() = default;

    // "currentsite": the site being processed, empty when idle.
    virtual void setCurrentSite(const QString& site) = 0;
    // "httpstatus", "ftpstatus", "mailstatus".
    virtual void setStatus(Method method, const QString& text) = 0;
    virtual void setLed(Method method, Led state) = 0;
    // "SitesToPostdgt" and "SitesProcesseddgt".
    virtual void setCounters(int toPost, int processed) = 0;
    // "PostStatus": one step per finished site.
    virtual void setProgress(int position, int maximum) = 0;
    // "ProgressBar1": the mail being sent; hidden when not visible.
    virtual void setMailProgress(int percent, bool visible) = 0;
    // "httpbytes": bytes of the current HTTP transfer.
    virtual void setHttpBytes(qint64 bytes) = 0;
    // "ftplist": the FTP transcript of the current site.
    virtual void clearFtpLog() = 0;
    virtual void AddFtpLog(const QString& text) = 0;
    // "log": the run log, newest line last.
    virtual void clearRunLog() = 0;
    virtual void AddRunLog(const QString& text) = 0;
    // The posting state: menus and buttons locked but Skip and Cancel.
    virtual void setPosting(bool on) = 0;

    // The settings dialog, opened while a mail setting is missing; false when it was cancelled.
    virtual bool askMailSettings() = 0;
    // "Submission Verification:" with its seven counts; true on "Start Posting!".
    virtual bool confirmRun(const AppSiteList::Counts& counts) = 0;
};
