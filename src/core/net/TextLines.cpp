#include "net/TextLines.h"

#include <cstring>

namespace {

// The first CR or LF at or after from, or the end.
qsizetype breakAt(QByteArrayView text, qsizetype from) {
    const char* begin = text.data() + from;
    const qsizetype left = text.size() - from;
    const void* lf = std::memchr(begin, '\n', static_cast<size_t>(left));
    const qsizetype lfAt = lf ? static_cast<const char*>(lf) - begin : left;
    const void* cr = std::memchr(begin, '\r', static_cast<size_t>(lfAt));
    return from + (cr ? static_cast<const char*>(cr) - begin : lfAt);
}

} // namespace

TextLines::TextLines(QByteArrayView text) {
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype end = breakAt(text, pos);
        m_lines.append(text.sliced(pos, end - pos));
        if (end == text.size()) {
            m_endsWithBreak = false;
            return;
        }
        pos = end + 1;
        if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
            ++pos;
    }
}
