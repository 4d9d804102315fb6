#include "net/LineSplitter.h"

void LineSplitter::append(const QByteArray& data) {
    if (m_pos > 0 && m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    }
    m_buffer.append(data);
}

void LineSplitter::skipPairedLf() {
    if (!m_afterCr || m_pos >= m_buffer.size())
        return;
    if (m_buffer.at(m_pos) == '\n')
        ++m_pos;
    m_afterCr = false;
}

bool LineSplitter::nextLine(QByteArray& line) {
    skipPairedLf();
    qsizetype end = m_pos;
    const qsizetype size = m_buffer.size();
    // Never look further than one piece: a flood without line ends is cut in linear time.
    const qsizetype limit = qMin(size, m_pos + MaxLine);
    while (end < limit && m_buffer.at(end) != '\r' && m_buffer.at(end) != '\n')
        ++end;
    if (end - m_pos == MaxLine) {
        line = m_buffer.mid(m_pos, MaxLine);
        m_pos += MaxLine;
        return true;
    }
    if (end == size) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
        return false;
    }
    line = m_buffer.mid(m_pos, end - m_pos);
    m_pos = end + 1;
    if (m_buffer.at(end) == '\r') {
        m_afterCr = true;
        skipPairedLf();
    }
    return true;
}

QByteArray LineSplitter::takeRest() {
    skipPairedLf();
    QByteArray rest = m_buffer.mid(m_pos);
    m_buffer.clear();
    m_pos = 0;
    return rest;
}

QByteArray LineSplitter::raw(const QByteArray& data) {
    if (!m_afterCr || data.isEmpty())
        return data;
    m_afterCr = false;
    return data.at(0) == '\n' ? data.mid(1) : data;
}

void LineSplitter::reset() {
    m_buffer.clear();
    m_pos = 0;
    m_afterCr = false;
}
