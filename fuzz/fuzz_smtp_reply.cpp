// Mail server replies: cut into lines the same whatever the reads, and each reply ends where
// its last line says, within its bounds.
#include "FuzzSupport.h"
#include "net/LineSplitter.h"
#include "net/SmtpReply.h"

namespace {

struct Reply {
    int code;
    QString text;
    bool tooLong;

    bool operator==(const Reply&) const = default;
};

QList<Reply> replies(const QByteArray& bytes, qsizetype piece) {
    LineSplitter splitter;
    QList<Reply> out;
    SmtpReply reply;
    QByteArray line;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        splitter.append(bytes.mid(at, piece));
        while (splitter.nextLine(line)) {
            const bool whole = reply.add(line);
            FuzzSupport::check(whole == reply.isComplete(), "add() and isComplete() disagree");
            if (!whole && !reply.isTooLong())
                continue;
            out << Reply{reply.code(), reply.text(), reply.isTooLong()};
            reply = SmtpReply();
        }
    }
    return out;
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
    const QList<Reply> whole = replies(bytes, qMax<qsizetype>(1, bytes.size()));
    FuzzSupport::check(whole == replies(bytes, 1 + data[0] % 7),
                       "the replies depend on how they were cut into reads");
    for (const Reply& reply : whole) {
        FuzzSupport::check(reply.code >= -1 && reply.code <= 999, "a code out of range");
        FuzzSupport::check(reply.tooLong || reply.text.size() <= SmtpReply::MaxLineLength,
                           "a reply line past its bound");
    }
    return 0;
}
