#pragma once

#include "net/TMailMessage.h"

#include <QString>

// The mail sender's own settings file, "shipkit.ini" in ProgramDir, section "Setup", read each
// time a sender is made for a mail. Of its keys only "CharSet" (0 US-ASCII, 1 ISO-8859-1) has
// an effect: the server, sender and log file are set from the run's mail settings before every
// send, and mail always goes as MIME. Only the sender's own window writes the file back; a run
// never shows that window, so a run leaves the file as it is, or absent.
struct MailSenderIni {
    TCharSet CharSet = csUSASCII;

    static QString path(const QString& programDir);
    // A missing file or key, or a value other than 1, gives US-ASCII.
    static MailSenderIni read(const QString& programDir);
};
