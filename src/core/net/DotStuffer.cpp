#include "net/DotStuffer.h"

#include <cstring>

namespace {

// Where the next line after from starts with a dot, or -1.
qsizetype nextDotLine(const QByteArray& block, qsizetype from) {
    const char* data = block.constData();
    const char* end = data + block.size();
    for (const char* at = data + from; at < end; ++at) {
        at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (!at)
            return -1;
        if (at + 1 < end && at[1] == '.')
            return at + 1 - data;
    }
    return -1;
}

} // namespace

QByteArray DotStuffer::stuff(const QByteArray& block) {
    const bool leading = m_atLineStart && block.startsWith('.');
    qsizetype dot = nextDotLine(block, 0);
    if (!block.isEmpty())
        m_atLineStart = block.endsWith('\n');
    if (!leading && dot < 0)
        return block;
    QByteArray out;
    out.reserve(block.size() + 64);
    if (leading)
        out.append('.');
    qsizetype from = 0;
    for (; dot >= 0; dot = nextDotLine(block, dot)) {
        out.append(QByteArrayView(block).sliced(from, dot - from)).append('.');
        from = dot;
    }
    out.append(QByteArrayView(block).sliced(from));
    return out;
}
