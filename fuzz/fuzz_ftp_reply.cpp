// FTP replies from the control connection: lines cut the same whatever the reads, replies of
// several lines grouped, and a passive-mode reply's address read back as written.
#include "FuzzSupport.h"
#include "net/FtpHostPort.h"
#include "net/FtpReplyLines.h"
#include "net/LineSplitter.h"

#include <QHostAddress>

namespace {

QList<QByteArray> lines(const QByteArray& bytes, qsizetype piece) {
    LineSplitter splitter;
    QList<QByteArray> out;
    QByteArray line;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        splitter.append(bytes.mid(at, piece));
        while (splitter.nextLine(line))
            out << line;
    }
    return out;
}

void checkPassiveReply(const QString& reply) {
    QString host;
    quint16 port = 0;
    if (!FtpHostPort::parse(reply, host, port))
        return;
    const QHostAddress address(host);
    FuzzSupport::check(address.protocol() == QAbstractSocket::IPv4Protocol,
                       "a passive reply gave no IPv4 address");
    QString again;
    quint16 portAgain = 0;
    FuzzSupport::check(
        FtpHostPort::parse(QStringLiteral("227 (") + FtpHostPort::format(address, port) + u')',
                           again, portAgain) &&
            again == host && portAgain == port,
        "a passive address does not read back as written");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size >= LineSplitter::MaxLine)
        return 0;
    const QByteArray bytes = FuzzSupport::bytesOf(data + 1, size - 1);
    const QList<QByteArray> whole = lines(bytes, qMax<qsizetype>(1, bytes.size()));
    FuzzSupport::check(whole == lines(bytes, 1 + data[0] % 7),
                       "the lines depend on how they were cut into reads");
    FtpReplyLines replies;
    QString closing; // "123 " while a reply of several lines is open
    for (const QByteArray& bytesOfLine : whole) {
        FuzzSupport::check(!bytesOfLine.contains('\r') && !bytesOfLine.contains('\n'),
                           "a line holds a line end");
        const QString line = QString::fromUtf8(bytesOfLine);
        const bool ends = replies.take(line);
        if (!closing.isEmpty()) {
            FuzzSupport::check(ends == line.startsWith(closing), "a long reply ended wrongly");
            if (ends)
                closing.clear();
        } else if (line.size() >= 4 && line.at(3) == u'-') {
            FuzzSupport::check(!ends, "the first line of a long reply ended it");
            closing = line.left(3) + u' ';
        } else {
            FuzzSupport::check(ends, "a one-line reply did not end");
        }
        if (ends)
            checkPassiveReply(line);
    }
    return 0;
}
