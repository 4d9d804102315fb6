#pragma once

#include "net/TNetFTP.h"
#include "net/TZipArchiver.h"
#include "submit/FtpAddedText.h"
#include "submit/FtpPackager.h"
#include "submit/FtpTrail.h"
#include "submit/FtpTranscript.h"
#include "submit/FtpWaitLimit.h"

#include <QString>
#include <QStringList>

class RunView;
struct ApplicationRecord;
struct ExpansionContext;
struct FtpUploadPlan;
struct SiteEngine;
struct Workspace;

// The FTP step of a submission run: logs on to the site's server, prepares the application's
// file (as it is, packed into a zip, or its zip copied) and the added text in files/, and
// uploads them, retrying as the settings allow. Lines go to the FTP transcript as they happen
// (RunView::AddFtpLog, kept in transcript() for the site's report page), uploads and upload
// errors to the run log, progress to "ftpstatus". The password is never shown anywhere.
class FtpUploader {
public:
    struct Limits {
        int retries = 3;         // FTPRetries: attempts after the first
        int timeOutSeconds = 60; // FTPTimeOut: the longest any one wait may take
    };

    // The authorities an FTP_TLS server's certificate is checked against.
    void setTlsPolicy(const TlsPolicy& policy) { m_ftp.setTlsPolicy(policy); }

    FtpUploader(const Workspace& paths, RunView& view, Limits limits);

    // One site's FTP step: clears the transcript, makes up to retries + 1 attempts until one
    // succeeds or Skip or Abort was called, then logs off. Never raises.
    bool UploadWithRetries(const SiteEngine& engine, const ApplicationRecord& app,
                           const ExpansionContext& expansion);
    // One attempt; it stays logged on after a success. Never raises: a failure of any kind is
    // in the transcript. Fails at once after Skip or Abort, until the next step.
    bool UploadByFtp(const SiteEngine& engine, const ApplicationRecord& app,
                     const ExpansionContext& expansion);
    // Quits the server, if connected; the client's errors are of no interest here.
    void Logoff();
    // For the run's Skip: the command in progress is aborted (ABOR), the client set idle, and
    // no further attempt starts. Safe to call from inside a wait.
    void Skip();
    // For the run's Cancel: the client is set idle and no further attempt starts.
    void Abort();

    bool FtpError() const { return m_ftpError; }
    const QString& FtpErrorText() const { return m_ftpErrorText; }
    // The transcript of the current or last step, for the site's report page.
    const QStringList& transcript() const { return m_transcript.lines(); }

private:
    struct Site {
        const SiteEngine& engine;
        const ApplicationRecord& app;
        const ExpansionContext& expansion;
    };

    bool attempt(const Site& site);
    bool Logon(const Site& site);
    QString remotePath(const Site& site) const;
    bool sendAsItIs(const Site& site, const FtpUploadPlan& plan, const QString& remotePath,
                    bool textReady);
    bool sendPacked(const Site& site, const FtpUploadPlan& plan, const QString& remotePath,
                    bool textReady);
    bool sendAddedText(const Site& site, const QString& remotePath);
    bool sendFile(const Site& site, const QString& local, const QString& remote,
                  TFTPTransferModes mode);
    bool UploadOneFile(const Site& site, const QString& local, const QString& remote,
                       TFTPTransferModes mode);
    bool refuse(const Site& site, const QString& problem);
    void clientFailed(const QString& message);

    QString m_filesDir;
    RunView& m_view;
    int m_retries;
    TNetFTP m_ftp;
    TZipArchiver m_zip;
    FtpTranscript m_transcript;
    FtpTrail m_trail;
    FtpWaitLimit m_limit;
    FtpAddedText m_addedText;
    FtpPackager m_packager;
    bool m_ftpError = false;
    QString m_ftpErrorText;
    bool m_stopped = false;
};
