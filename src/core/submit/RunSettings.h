#pragma once

#include <QString>
#include <QtGlobal>

// The settings one run works with, taken when it starts (the numbers already within range).
struct RunSettings {
    QString smtpServer;
    QString senderEmail;
    QString senderName;
    QString proxyHost; // empty: a direct connection
    quint16 proxyPort = 80;
    int ftpRetries = 3;
    int httpTimeOutSeconds = 60;
    int ftpTimeOutSeconds = 60;
    int smtpTimeOutSeconds = 60;
    QString smtpSecurity; // "none", "starttls" or "tls"; empty is none
    QString smtpUser;     // empty: no AUTH
    QString smtpPassword;
    QString caFile; // PEM authorities trusted beside the system's; empty: the system's only
};
