#include "net/HttpRequestHead.h"

HttpRequestHead::HttpRequestHead(const QString& method, const QString& target) {
    append(method + u' ' + target + QStringLiteral(" HTTP/1.0"));
}

void HttpRequestHead::addHeader(const QString& name, const QString& value) {
    if (!value.isEmpty())
        append(name + QStringLiteral(": ") + value);
}

void HttpRequestHead::addLine(const QString& line) {
    append(line);
}

void HttpRequestHead::end() {
    m_bytes.append("\r\n");
}

void HttpRequestHead::append(const QString& line) {
    if (line.contains(u'\r') || line.contains(u'\n'))
        m_lineBreak = true;
    m_bytes.append(line.toUtf8());
    m_bytes.append("\r\n");
}
