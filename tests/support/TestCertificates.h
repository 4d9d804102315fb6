#pragma once

#include <QString>
#include <QTemporaryDir>

// Certificates made by openssl for one test: a throw-away authority and server certificates
// for 127.0.0.1 and localhost (valid, expired) and for another name.
class TestCertificates {
public:
    TestCertificates();

    // False when openssl failed; log() says why.
    bool made() const { return m_made; }
    const QString& log() const { return m_log; }
    QString caFile() const { return path(QStringLiteral("ca.pem")); }
    QString keyFile() const { return path(QStringLiteral("server.key")); }
    QString good() const { return path(QStringLiteral("good.pem")); }
    QString expired() const { return path(QStringLiteral("expired.pem")); }
    QString wrongName() const { return path(QStringLiteral("wrongname.pem")); }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    bool m_made = false;
    QString m_log;
};
