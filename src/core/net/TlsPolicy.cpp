#include "net/TlsPolicy.h"

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QSslSocket>

QString TlsPolicy::configure(QSslConfiguration& config) const {
    if (!QSslSocket::supportsSsl())
        return QStringLiteral("no TLS library is available on this system");
    config = QSslConfiguration::defaultConfiguration();
    config.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (m_upToTls12)
        config.setProtocol(QSsl::TlsV1_2);
    if (m_caFile.isEmpty())
        return QString();
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(m_caFile, QSsl::Pem);
    if (certificates.isEmpty())
        return QStringLiteral("no certificate could be read from the CA file \"%1\"; check the "
                              "CA file in the settings")
            .arg(m_caFile);
    config.addCaCertificates(certificates);
    return QString();
}

TlsPolicy TlsPolicy::upToTls12() const {
    TlsPolicy policy = *this;
    policy.m_upToTls12 = true;
    return policy;
}

QString TlsPolicy::reason(const QSslError& error) {
    return reason(error.errorString());
}

QString TlsPolicy::reason(const QString& text) {
    QString shown = text.trimmed();
    if (shown.startsWith(QStringLiteral("The ")))
        shown.remove(0, 4);
    if (!shown.isEmpty() && shown.at(1 < shown.size() ? 1 : 0).isLower())
        shown[0] = shown.at(0).toLower();
    return shown.isEmpty() ? QStringLiteral("handshake failed") : shown;
}
