#pragma once

#include "net/HttpProxy.h"

#include <QString>
#include <QtGlobal>

// The program-wide settings kept in "settings.dat" beside the program.
struct Settings {
    static constexpr const char* Section = "SETTINGS";
    static constexpr int MinFtpRetries = 0, MaxFtpRetries = 50;
    static constexpr int MinHttpTimeOut = 10, MaxHttpTimeOut = 60;
    static constexpr int MinFtpTimeOut = 5, MaxFtpTimeOut = 600;
    static constexpr int MinSmtpTimeOut = 5, MaxSmtpTimeOut = 600;

    // The addresses the program talks to; settings.dat may point them elsewhere.
    static const QString DefaultUpdateUrl;
    static const QString DefaultPartnerUrl;
    static const QString DefaultContributeMail;
    static const QString DefaultContributeSmtp;

    QString SmtpServer;
    QString SenderEmail;
    QString SenderName;
    QString ProxyHost;
    QString ProxyPort = QStringLiteral("80");
    int FtpRetries = 3;
    int HttpTimeOut = 60;
    int FtpTimeOut = 60;  // seconds any one FTP wait may take
    int SmtpTimeOut = 60; // seconds any one SMTP wait may take
    bool UseGridLines = false;
    QString UpdateUrl = DefaultUpdateUrl;   // "UPDATEURL": the site data archive
    QString PartnerUrl = DefaultPartnerUrl; // "PARTNERURL": the partner site, without a page
    QString ContributeMail = DefaultContributeMail; // "CONTRIBUTEMAIL": contributed sites go here
    QString ContributeSmtp = DefaultContributeSmtp; // "CONTRIBUTESMTP": through this "host:port"
    QString SmtpSecurity;                           // "SMTPSECURITY": none, starttls or tls
    QString SmtpUser;                               // "SMTPUSER": empty for no AUTH
    QString SmtpPassword;                           // "SMTPPASSWORD"
    QString CaFile; // "CAFILE": PEM authorities trusted beside the system's

    static QString path(const QString& programDir);
    static Settings read(const QString& programDir);
    // The dialog's "Ok": everything but the grid lines, in the stored order.
    void write(const QString& programDir) const;
    void writeGridLines(const QString& programDir) const;
    void writeTransport(const QString& programDir) const;

    // The HTTP clients' proxy: the host and the port as proxyPortNumber() gives it.
    HttpProxy proxy() const { return {ProxyHost, static_cast<quint16>(proxyPortNumber())}; }
    // A port is a whole number from 0 to 65535; anything else is refused.
    static bool validPort(const QString& text, int* port = nullptr);
    // The port given to the HTTP client: a bad stored port counts as 80.
    int proxyPortNumber() const;
    // The limit given to the FTP step: a stored value outside the range counts as its bound.
    int ftpTimeOutSeconds() const { return qBound(MinFtpTimeOut, FtpTimeOut, MaxFtpTimeOut); }
    // The same for the e-mail step.
    int smtpTimeOutSeconds() const { return qBound(MinSmtpTimeOut, SmtpTimeOut, MaxSmtpTimeOut); }
    // The values with the two numbers held within their ranges, as a run uses them.
    Settings clamped() const;
};
