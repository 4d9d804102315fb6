#pragma once

#include "support/NetServerProcess.h"

#include <QJsonObject>
#include <memory>

// The real mail server of the integration tests and Python's reading of what it saved.
namespace MailInbox {

// Debian's aiosmtpd (SmtpSaveServer.py), not started yet, saving each mail it takes as
// folder/N.eml (the folder is made); options go to the script (TLS, AUTH).
std::unique_ptr<NetServerProcess> server(const QString& folder,
                                         const QStringList& options = QStringList());
// Python's email package reading a saved message (MailPartsDump.py): what parts.json holds; the
// decoded attachments are left in outFolder as part-N.
QJsonObject parts(const QString& message, const QString& outFolder);

} // namespace MailInbox
