#include "net/DotStuffer.h"

QByteArray DotStuffer::stuff(QByteArrayView block) {
    QByteArray out;
    out.reserve(block.size() + 64);
    if (m_atLineStart && block.startsWith('.'))
        out.append('.');
    qsizetype from = 0;
    for (qsizetype at = block.indexOf("\n.", from); at >= 0; at = block.indexOf("\n.", from)) {
        out.append(block.sliced(from, at + 1 - from)).append('.');
        from = at + 1;
    }
    out.append(block.sliced(from));
    if (!block.isEmpty())
        m_atLineStart = block.endsWith('\n');
    return out;
}
