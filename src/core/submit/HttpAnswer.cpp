#include "submit/HttpAnswer.h"

#include "records/TextCodec.h"

const QString HttpAnswer::CutNote = QStringLiteral("[answer cut at 1 MiB]");

namespace {

// A cut in the middle of a UTF-8 sequence would make the whole answer read as Windows-1252.
qsizetype characterBoundary(const QByteArray& bytes, qsizetype at) {
    for (int back = 0; back < 3 && at > 0; ++back) {
        if ((static_cast<unsigned char>(bytes[at]) & 0xC0) != 0x80)
            break;
        --at;
    }
    return at;
}

} // namespace

void HttpAnswer::clear() {
    m_bytes.clear();
    m_cut = false;
}

bool HttpAnswer::append(const QByteArray& chunk) {
    if (m_cut)
        return false;
    if (m_bytes.size() + chunk.size() <= Limit) {
        m_bytes += chunk;
        return true;
    }
    const QByteArray joined = m_bytes + chunk.left(Limit - m_bytes.size() + 1);
    m_bytes = joined.left(characterBoundary(joined, Limit));
    m_cut = true;
    return false;
}

QString HttpAnswer::text() const {
    const QString text = TextCodec::decode(m_bytes);
    return m_cut ? text + QStringLiteral("\r\n") + CutNote : text;
}
