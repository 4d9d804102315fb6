#include "net/FtpHostPort.h"

QString FtpHostPort::format(const QHostAddress& address, quint16 port) {
    const quint32 a = address.toIPv4Address();
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(a >> 24)
        .arg((a >> 16) & 0xFF)
        .arg((a >> 8) & 0xFF)
        .arg(a & 0xFF)
        .arg(port >> 8)
        .arg(port & 0xFF);
}

bool FtpHostPort::parse(const QString& reply, QString& host, quint16& port) {
    qsizetype pos = reply.indexOf(u'(');
    if (pos < 0)
        return false;
    ++pos;
    int numbers[6];
    for (int& n : numbers) {
        const qsizetype start = pos;
        n = 0;
        while (pos < reply.size() && reply.at(pos).unicode() >= '0' &&
               reply.at(pos).unicode() <= '9' && pos - start < 4)
            n = n * 10 + (reply.at(pos++).unicode() - '0');
        // Each number needs a digit and an end character; none may pass a byte.
        if (pos == start || pos >= reply.size() || n > 255)
            return false;
        ++pos;
    }
    host = QStringLiteral("%1.%2.%3.%4")
               .arg(numbers[0])
               .arg(numbers[1])
               .arg(numbers[2])
               .arg(numbers[3]);
    port = static_cast<quint16>(numbers[4] * 256 + numbers[5]);
    return true;
}
