#include "submit/MailSenderIni.h"

#include "records/TIniFile.h"

QString MailSenderIni::path(const QString& programDir) {
    return programDir + QStringLiteral("shipkit.ini");
}

MailSenderIni MailSenderIni::read(const QString& programDir) {
    const int charSet = TIniFile(path(programDir))
                            .ReadKeyInt(QStringLiteral("Setup"), QStringLiteral("CharSet"), 0);
    return {charSet == 1 ? csISO8859 : csUSASCII};
}
