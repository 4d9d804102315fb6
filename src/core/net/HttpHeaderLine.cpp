#include "net/HttpHeaderLine.h"

HttpHeaderLine HttpHeaderLine::parse(const QString& line) {
    HttpHeaderLine header;
    if (line.isEmpty())
        return header;
    if (line.at(0).unicode() < '!') {
        header.m_value = line.mid(1);
        return header;
    }
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) {
        header.m_field = line;
        return header;
    }
    header.m_field = line.left(colon);
    qsizetype start = colon + 1;
    if (start < line.size() && line.at(start) == u' ')
        ++start;
    header.m_value = line.mid(start);
    return header;
}
