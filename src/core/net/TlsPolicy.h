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
    // Fills in the configuration of a client socket; the reason when it cannot, else "".
    QString configure(QSslConfiguration& config) const;

    // A verification error as the error text shows it ("certificate has expired").
    static QString reason(const QSslError& error);
    static QString reason(const QString& text);

private:
    QString m_caFile;
};
