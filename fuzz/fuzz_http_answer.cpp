// The HTTP client reading an answer: fed in one piece or in small pieces it reads the same
// status, headers and body, and the body is the exact tail of what arrived.
#include "FuzzSupport.h"
#include "net/LineSplitter.h"
#include "net/TNetHTTP.h"

namespace {

struct Answer {
    QString status;
    QStringList headers;
    QByteArray body;
    qint64 reported = 0; // the last running total transfer() gave
    int starts = 0;
    int ends = 0;

    bool operator==(const Answer&) const = default;
};

// Feeds received bytes straight to the reader, as the socket would.
class AnswerFeed : public TNetHTTP {
public:
    AnswerFeed() {
        connect(this, &TNetHTTP::header, this, [this](const QString& field, const QString& value) {
            answer.headers << field + u'\n' + value;
        });
        connect(this, &TNetHTTP::startTransfer, this, [this] { ++answer.starts; });
        connect(this, &TNetHTTP::transfer, this, [this](qint64 total, const QByteArray& text) {
            answer.body += text;
            answer.reported = total;
        });
        connect(this, &TNetHTTP::endTransfer, this, [this] { ++answer.ends; });
    }

    Answer read(const QByteArray& bytes, qsizetype piece) {
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            dataArrived(bytes.mid(at, piece));
        connectionClosed();
        answer.status = StatusLine();
        return answer;
    }

    Answer answer;
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A line longer than the splitter's limit is cut where the reads happen to end.
    if (size < 1 || size >= LineSplitter::MaxLine)
        return 0;
    const qsizetype piece = 1 + data[0] % 7;
    const QByteArray bytes = FuzzSupport::bytesOf(data + 1, size - 1);
    const Answer whole = AnswerFeed().read(bytes, qMax<qsizetype>(1, bytes.size()));
    const Answer pieces = AnswerFeed().read(bytes, piece);
    FuzzSupport::check(whole == pieces, "the answer depends on how it was cut into reads");
    FuzzSupport::check(bytes.endsWith(whole.body), "the body is not the tail of the answer");
    FuzzSupport::check(whole.reported == whole.body.size(), "the running total is wrong");
    FuzzSupport::check(whole.starts <= 1 && whole.ends == 1, "transfer events out of order");
    FuzzSupport::check(whole.body.isEmpty() || whole.starts == 1, "a body before the start");
    return 0;
}
