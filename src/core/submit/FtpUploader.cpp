#include "submit/FtpUploader.h"

#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "net/ENetFTP.h"
#include "submit/FtpExpansion.h"
#include "submit/FtpServerAddress.h"
#include "submit/FtpUploadPlan.h"
#include "submit/RunView.h"

#include <exception>

namespace {

constexpr auto Ftp = RunView::Method::Ftp;

} // namespace

FtpUploader::FtpUploader(const Workspace& paths, RunView& view, Limits limits)
    : m_filesDir(paths.FilesDir), m_view(view), m_retries(qMax(0, limits.retries)),
      m_transcript(view), m_trail(m_ftp, m_transcript, view), m_limit(m_ftp, limits.timeOutSeconds),
      m_addedText(m_filesDir), m_packager(m_zip, m_transcript) {
    QObject::connect(&m_limit, &FtpWaitLimit::expired, &m_limit, [this](int seconds) {
        m_transcript.add(
            QStringLiteral("TIME OUT: nothing from the server for %1 seconds.").arg(seconds));
    });
}

bool FtpUploader::UploadWithRetries(const SiteEngine& engine, const ApplicationRecord& app,
                                    const ExpansionContext& expansion) {
    m_stopped = false;
    m_transcript.clear();
    bool uploaded = false;
    for (int attempt = 0; !uploaded && !m_stopped && attempt <= m_retries; ++attempt)
        uploaded = UploadByFtp(engine, app, expansion);
    Logoff();
    return uploaded;
}

bool FtpUploader::UploadByFtp(const SiteEngine& engine, const ApplicationRecord& app,
                              const ExpansionContext& expansion) {
    // Whatever goes wrong fails this attempt only: the run goes on to its next one.
    try {
        return attempt(Site{engine, app, expansion});
    } catch (const ShipkitError& e) {
        m_transcript.add(QStringLiteral("EXCEPTION: ") + e.message());
    } catch (const std::exception& e) {
        m_transcript.add(QStringLiteral("EXCEPTION: ") + QString::fromLocal8Bit(e.what()));
    }
    return false;
}

bool FtpUploader::attempt(const Site& site) {
    m_ftpError = false;
    Logoff();
    // A Skip during that log-off ended its wait only; it must not let a new logon start.
    if (m_stopped)
        return false;
    m_view.setStatus(Ftp, QStringLiteral("logging on to ") + site.engine.name);
    if (!Logon(site))
        return false;
    const QString path = remotePath(site);
    const FtpAddedText::Outcome text = m_addedText.prepare(site.engine, site.expansion);
    if (text == FtpAddedText::Outcome::BadName)
        return refuse(site, m_addedText.problem());
    const FtpUploadPlan plan = FtpUploadPlan::make(site.engine, site.app, m_filesDir);
    if (!plan.problem.isEmpty())
        return refuse(site, plan.problem);
    const bool textReady = text == FtpAddedText::Outcome::Ready;
    if (plan.branch == FtpUploadPlan::Branch::AsItIs)
        return sendAsItIs(site, plan, path, textReady);
    return sendPacked(site, plan, path, textReady);
}

bool FtpUploader::Logon(const Site& site) {
    m_ftpError = false;
    const FtpServerAddress server =
        FtpServerAddress::parse(site.engine.text(QStringLiteral("FTP_SERVER")));
    if (!server.problem.isEmpty())
        return refuse(site, server.problem);
    m_ftp.setRemoteHost(server.host);
    m_ftp.setRemotePort(server.port);
    m_ftp.setUser(
        FtpExpansion::expandOrKeep(site.engine.text(QStringLiteral("LOGIN_NAME")), site.expansion));
    m_ftp.setPassword(FtpExpansion::expandOrKeep(site.engine.text(QStringLiteral("LOGIN_PASSWORD")),
                                                 site.expansion));
    // No type at logon: every attempt logs on with the same commands, whatever the last
    // upload of an earlier one asked for; each upload sets its own type.
    m_ftp.setTransferMode(tmDefault);
    m_ftp.setPassive(site.engine.ftpPassive);
    m_ftp.setSecure(site.engine.ftpTls);
    try {
        m_limit.bound([this] { m_ftp.setAction(ftpLogon); });
    } catch (const ENetFTP& e) {
        clientFailed(e.message());
    }
    return !m_ftpError;
}

void FtpUploader::Logoff() {
    try {
        m_limit.bound([this] { m_ftp.setAction(ftpLogoff); });
    } catch (const ShipkitError&) {
        // Logging off cannot fail in a way that matters: the connection is closed either way.
    }
}

void FtpUploader::Skip() {
    m_stopped = true;
    if (m_ftp.Action() != ftpIdle)
        m_ftp.setAction(ftpAbort);
    m_ftp.setAction(ftpIdle);
}

void FtpUploader::Abort() {
    m_stopped = true;
    m_ftp.setAction(ftpIdle);
}

QString FtpUploader::remotePath(const Site& site) const {
    QString path = site.engine.text(QStringLiteral("REMOTE_PATH"));
    if (path.startsWith(u'\\'))
        path.remove(0, 1);
    return FtpExpansion::expandOrKeep(path, site.expansion);
}

bool FtpUploader::sendAsItIs(const Site& site, const FtpUploadPlan& plan, const QString& remotePath,
                             bool textReady) {
    const QString remote = remotePath + plan.sentName;
    if (!sendFile(site, plan.sendPath, remote, tmBinary))
        return false;
    m_view.AddRunLog(QStringLiteral("Uploaded ") + remote + QStringLiteral(" to ") +
                     site.engine.name);
    return !textReady || sendAddedText(site, remotePath);
}

bool FtpUploader::sendPacked(const Site& site, const FtpUploadPlan& plan, const QString& remotePath,
                             bool textReady) {
    if (!m_packager.make(plan))
        return false;
    // Only a text made by this attempt goes in: one left from an earlier run does not.
    const bool textInZip = plan.includeText && textReady;
    if (textInZip && !m_packager.addText(plan.sendPath, m_addedText.path()))
        return false;
    if (!sendFile(site, plan.sendPath, remotePath + plan.sentName, tmBinary))
        return false;
    m_view.AddRunLog(QStringLiteral("Uploaded ") + plan.sentName + QStringLiteral(" to ") +
                     site.engine.name);
    return plan.includeText || !textReady || sendAddedText(site, remotePath);
}

bool FtpUploader::sendAddedText(const Site& site, const QString& remotePath) {
    const QString& name = m_addedText.name();
    if (!sendFile(site, m_addedText.path(), remotePath + name, tmASCII))
        return false;
    m_view.AddRunLog(QStringLiteral("Uploaded ") + name + QStringLiteral(" to ") +
                     site.engine.name);
    return true;
}

bool FtpUploader::sendFile(const Site& site, const QString& local, const QString& remote,
                           TFTPTransferModes mode) {
    m_transcript.add(QStringLiteral("Sending File -> ") + remote);
    if (UploadOneFile(site, local, remote, mode))
        return true;
    m_transcript.add(QStringLiteral("ERROR SENDING FILE -> ") + remote);
    Logoff();
    return false;
}

bool FtpUploader::UploadOneFile(const Site& site, const QString& local, const QString& remote,
                                TFTPTransferModes mode) {
    m_ftpError = false;
    try {
        m_limit.bound([this, mode] { m_ftp.setTransferMode(mode); });
        m_ftp.setLocalFile(local);
        m_ftp.setRemoteFile(remote);
        m_limit.bound([this] { m_ftp.setAction(ftpUpload); });
    } catch (const ShipkitError& e) {
        clientFailed(e.message());
    }
    if (!m_ftpError)
        return true;
    m_view.AddRunLog(site.engine.name + QStringLiteral(" -> FTP error: ") + m_ftpErrorText);
    return false;
}

bool FtpUploader::refuse(const Site& site, const QString& problem) {
    m_ftpError = true;
    m_ftpErrorText = problem;
    m_transcript.add(problem);
    m_view.AddRunLog(site.engine.name + QStringLiteral(" -> ") + problem);
    return false;
}

void FtpUploader::clientFailed(const QString& message) {
    m_ftpErrorText = message;
    m_ftpError = true;
    m_transcript.add(QStringLiteral("EXCEPTION: ") + message);
}
