#pragma once

#include "support/NetServerProcess.h"
#include "support/TempWorkspace.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The demo download sites of scripts/demo-sites (an HTTP form site on http.server, an FTP site
// on pyftpdlib and an e-mail site on aiosmtpd), started on free loopback ports with their inbox
// in a temporary folder.
class DemoSites {
public:
    static constexpr const char* FtpPassword = "demo-upload-pass";

    DemoSites();
    // Starts the three servers; false (see log()) when one never answered.
    bool start();
    QString log() const;
    quint16 httpPort() const { return m_http.port(); }
    quint16 ftpPort() const { return m_ftp.port(); }

    // Aims a copy of the demo workspace at these servers, as run.sh does; false when it failed.
    bool point(const QString& workspace) const;
    // What arrived, oldest first, one line per entry:
    // "form METHOD PATH FIRST-FIELD (N fields)", "mail TO | SUBJECT | ATTACHMENTS" or
    // "ftp REMOTE SIZE".
    QStringList received() const;
    // A file kept with entry index (oldest first): "request.txt", "message.eml", an upload.
    QByteArray kept(int index, const QString& name) const;
    // The front page the HTTP site serves.
    QString frontPage() const;

private:
    QStringList folders() const;

    TempWorkspace m_state;
    NetServerProcess m_http;
    NetServerProcess m_ftp;
    NetServerProcess m_smtp;
};
