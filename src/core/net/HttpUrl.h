#pragma once

#include <QString>

// A URL cut into the parts the HTTP client needs: scheme, host, port and path (query included).
// The cuts are simple on purpose: "scheme:", "//host", ":port", and the rest is the path.
class HttpUrl {
public:
    static constexpr int MaxPart = 255;
    static constexpr quint16 DefaultPort = 80;

    static HttpUrl parse(const QString& url);

    const QString& scheme() const { return m_scheme; }
    const QString& host() const { return m_host; }
    quint16 port() const { return m_port; }
    // Never empty: an empty path is "/".
    const QString& path() const { return m_path; }
    // The request target through a proxy: scheme "://" host [":" port] path.
    QString absolute() const;

private:
    QString m_scheme = QStringLiteral("http");
    QString m_host;
    quint16 m_port = DefaultPort;
    QString m_path = QStringLiteral("/");
};
