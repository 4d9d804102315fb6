#pragma once

#include <QString>

// A URL cut into the parts the HTTP client needs: scheme, host, port and path (query included).
// The cuts are simple on purpose: "scheme:", "//host", ":port", and the rest is the path.
class HttpUrl {
public:
    static constexpr int MaxPart = 255;
    static constexpr quint16 DefaultPort = 80;
    static constexpr quint16 DefaultTlsPort = 443;

    static HttpUrl parse(const QString& url);

    const QString& scheme() const { return m_scheme; }
    const QString& host() const { return m_host; }
    quint16 port() const { return m_port; }
    // Never empty: an empty path is "/".
    const QString& path() const { return m_path; }
    // The request target through a proxy: scheme "://" host [":" port] path.
    QString absolute() const;
    // "https" in any case: the request goes over TLS.
    bool secure() const;
    // The port the scheme implies when the address names none.
    quint16 schemePort() const { return secure() ? DefaultTlsPort : DefaultPort; }
    // The Host header's value: the host, with ":port" only when it is not the scheme's.
    QString authority() const;

private:
    QString m_scheme = QStringLiteral("http");
    QString m_host;
    quint16 m_port = DefaultPort;
    bool m_portGiven = false;
    QString m_path = QStringLiteral("/");
};
