#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct MailListing;

// What one submission mail says: recipient, subject, body and files, taken from the engine and
// expanded with the application's data. The copy to the company contact differs in recipient,
// subject, footer and the application's file.
namespace MailComposer {
// The address as the engine or the company has it, trimmed.
QString recipient(const MailListing& listing, bool isNew, bool copy);
// True for a bare address that the server can take as it is ("name@host").
bool isPlainAddress(const QString& address);
// Never empty; a failed expansion falls back to the new-listing subject, line breaks become
// spaces, and the copy names the site.
QString subject(const MailListing& listing, bool isNew, bool copy);
// Nothing when the engine has no body script for the row's Submit column.
std::optional<QStringList> body(const MailListing& listing, bool copy);
// The footer under the submission mail (not under the copy).
QStringList footer();
// The files to attach, in sending order; empty paths are left out.
QStringList attachments(const MailListing& listing, bool copy);
} // namespace MailComposer
