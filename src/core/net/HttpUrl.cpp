#include "net/HttpUrl.h"

namespace {

qsizetype findSeparator(const QString& text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i)
        if (text.at(i) == u':' || text.at(i) == u'/')
            return i;
    return -1;
}

} // namespace

HttpUrl HttpUrl::parse(const QString& url) {
    HttpUrl parts;
    qsizetype pos = findSeparator(url, 0);
    if (pos < 0) {
        parts.m_host = url.left(MaxPart);
        return parts;
    }
    if (url.at(pos) == u':') {
        parts.m_scheme = url.left(pos).left(MaxPart);
        ++pos;
    } else {
        pos = 0;
    }
    if (url.mid(pos, 2) == QStringLiteral("//")) {
        pos += 2;
        qsizetype end = findSeparator(url, pos);
        if (end < 0)
            end = url.size();
        parts.m_host = url.mid(pos, end - pos).left(MaxPart);
        pos = end;
    }
    if (pos < url.size() && url.at(pos) == u':') {
        ++pos;
        qint64 port = 0;
        bool digits = false;
        while (pos < url.size() && url.at(pos).isDigit() && url.at(pos).unicode() < 128) {
            port = qMin<qint64>(port * 10 + (url.at(pos).unicode() - '0'), 1000000);
            digits = true;
            ++pos;
        }
        // An impossible port becomes 0, which the connect refuses with its own error.
        if (digits) {
            parts.m_port = port > 65535 ? 0 : static_cast<quint16>(port);
            parts.m_portGiven = true;
        }
    }
    if (!parts.m_portGiven)
        parts.m_port = parts.schemePort();
    const QString path = url.mid(pos);
    if (!path.isEmpty())
        parts.m_path = path;
    return parts;
}

QString HttpUrl::absolute() const {
    return m_scheme + QStringLiteral("://") + authority() + m_path;
}

bool HttpUrl::secure() const {
    return m_scheme.compare(QStringLiteral("https"), Qt::CaseInsensitive) == 0;
}

QString HttpUrl::authority() const {
    return m_port == schemePort() ? m_host : m_host + u':' + QString::number(m_port);
}
