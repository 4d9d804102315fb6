#include "shell/Settings.h"

#include "records/IniSnapshot.h"
#include "records/TIniFile.h"
#include "records/WorkspacePath.h"

#include <utility>

const QString Settings::DefaultUpdateUrl =
    QStringLiteral("http://www.tallmark.example.com/shipkit/engines/sksites.zip");
const QString Settings::DefaultPartnerUrl = QStringLiteral("http://www.bhs.example.com");
const QString Settings::DefaultContributeMail = QStringLiteral("engines@tallmark.example.com");
const QString Settings::DefaultContributeSmtp = QStringLiteral("mail.tallmark.example.com:25");

namespace {

// An address key left empty counts as missing.
QString address(const IniSnapshot& ini, const char* key, const QString& fallback) {
    const QString value = ini.ReadKey(Settings::Section, key, QString()).trimmed();
    return value.isEmpty() ? fallback : value;
}

} // namespace

QString Settings::path(const QString& programDir) {
    return WorkspacePath::inside(programDir, programDir + QStringLiteral("settings.dat"));
}

Settings Settings::read(const QString& programDir) {
    const IniSnapshot ini(path(programDir));
    Settings s;
    s.SmtpServer = ini.ReadKey(Section, "SMTP", QString());
    s.SenderEmail = ini.ReadKey(Section, "EMAIL", QString());
    s.SenderName = ini.ReadKey(Section, "NAME", QString());
    s.ProxyHost = ini.ReadKey(Section, "PROXY", QString());
    s.ProxyPort = ini.ReadKey(Section, "PORT", QStringLiteral("80"));
    s.FtpRetries = ini.ReadKeyInt(Section, "FTPRetries", 3);
    s.HttpTimeOut = ini.ReadKeyInt(Section, "HTTPTimeOut", 60);
    s.FtpTimeOut = ini.ReadKeyInt(Section, "FTPTimeOut", 60);
    s.SmtpTimeOut = ini.ReadKeyInt(Section, "SMTPTimeOut", 60);
    s.UseGridLines = ini.ReadKeyFlag(Section, "UseGridLines", false);
    s.UpdateUrl = address(ini, "UPDATEURL", DefaultUpdateUrl);
    s.PartnerUrl = address(ini, "PARTNERURL", DefaultPartnerUrl);
    s.ContributeMail = address(ini, "CONTRIBUTEMAIL", DefaultContributeMail);
    s.ContributeSmtp = address(ini, "CONTRIBUTESMTP", DefaultContributeSmtp);
    s.SmtpSecurity = ini.ReadKey(Section, "SMTPSECURITY", QString());
    s.SmtpUser = ini.ReadKey(Section, "SMTPUSER", QString());
    s.SmtpPassword = ini.ReadKey(Section, "SMTPPASSWORD", QString());
    s.CaFile = ini.ReadKey(Section, "CAFILE", QString());
    return s;
}

void Settings::write(const QString& programDir) const {
    TIniFile(path(programDir))
        .WriteKeys(Section, {{"SMTP", SmtpServer},
                             {"EMAIL", SenderEmail},
                             {"NAME", SenderName},
                             {"PROXY", ProxyHost},
                             {"PORT", ProxyPort},
                             {"FTPRetries", QString::number(FtpRetries)},
                             {"HTTPTimeOut", QString::number(HttpTimeOut)},
                             {"FTPTimeOut", QString::number(FtpTimeOut)},
                             {"SMTPTimeOut", QString::number(SmtpTimeOut)}});
    writeTransport(programDir);
}

void Settings::writeTransport(const QString& programDir) const {
    // Only keys in use are written, so a file that never used them keeps its bytes.
    const TIniFile ini(path(programDir));
    const std::pair<const char*, QString> keys[] = {{"SMTPSECURITY", SmtpSecurity},
                                                    {"SMTPUSER", SmtpUser},
                                                    {"SMTPPASSWORD", SmtpPassword},
                                                    {"CAFILE", CaFile}};
    for (const auto& [key, value] : keys)
        if (value != ini.ReadKey(Section, key, QString()))
            ini.WriteKey(Section, key, value);
}

void Settings::writeGridLines(const QString& programDir) const {
    TIniFile(path(programDir)).WriteKeyFlag(Section, "UseGridLines", UseGridLines);
}

bool Settings::validPort(const QString& text, int* port) {
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n > 65535)
        return false;
    if (port)
        *port = n;
    return true;
}

int Settings::proxyPortNumber() const {
    int port = 80;
    return validPort(ProxyPort, &port) ? port : 80;
}

Settings Settings::clamped() const {
    Settings s = *this;
    s.FtpRetries = qBound(MinFtpRetries, FtpRetries, MaxFtpRetries);
    s.HttpTimeOut = qBound(MinHttpTimeOut, HttpTimeOut, MaxHttpTimeOut);
    return s;
}
