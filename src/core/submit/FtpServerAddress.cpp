#include "submit/FtpServerAddress.h"

FtpServerAddress FtpServerAddress::parse(const QString& text) {
    FtpServerAddress address;
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0) {
        address.host = text;
        return address;
    }
    address.host = text.left(colon);
    const QString port = text.mid(colon + 1);
    bool digits = !port.isEmpty() && port.size() <= 5;
    for (const QChar c : port)
        digits = digits && c >= u'0' && c <= u'9';
    const int number = digits ? port.toInt() : 0;
    if (number < 1 || number > 65535)
        address.problem = QStringLiteral("Invalid FTP server \"%1\": the port after \":\" must be "
                                         "a number from 1 to 65535.")
                              .arg(text);
    else
        address.port = static_cast<quint16>(number);
    return address;
}
