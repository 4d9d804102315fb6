#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TMailMessage;

// The mail that carries a user's site engine to the maker. The receiving side relies on its
// layout: the mailbox's display name, the subject and body line, the files in engine order.
namespace ContributionMail {

struct Sender {
    QString name;
    QString address;
};

// The site's files as they travel: the settings file first, then the category files and the
// scripts in the order given; files that do not exist are left out. The settings file goes as a
// copy without its password.
void compose(TMailMessage& message, const QString& site, const QString& mailbox,
             const Sender& sender, const QString& settingsFile, const QStringList& otherFiles);

// A settings file's text with every LOGIN_PASSWORD value emptied, unless the value is made of
// script variables only (those are filled in at submission time, so they give nothing away).
QByteArray withoutPassword(const QByteArray& settings);

} // namespace ContributionMail
