#pragma once

#include <QString>

class QSslConfiguration;
class QSslError;

// Whom the clients trust: the system's certificate authorities, plus those of an optional PEM
// file. Certificates are always verified; there is no way to turn that off.
class TlsPolicy {
public:
    TlsPolicy() = default;
    explicit TlsPolicy(const QString& caFile) : m_caFile(caFile) {}

    const QString& caFile() const { return m_caFile; }
    // The same authorities, speaking TLS 1.2 only (never 1.3; older versions are refused
    // anyway). FTP needs it: a TLS 1.3 server sends its session tickets after the handshake,
    // and an upload's data connection that closes with a ticket still unread is reset,
    // dropping the end of the file at the server.
    TlsPolicy upToTls12() const;
    // Fills in the configuration of a client socket; the reason when it cannot, else "".
    QString configure(QSslConfiguration& config) const;

    // A verification error as the error text shows it ("certificate has expired").
    static QString reason(const QSslError& error);
    static QString reason(const QString& text);

private:
    QString m_caFile;
    bool m_upToTls12 = false;
};
