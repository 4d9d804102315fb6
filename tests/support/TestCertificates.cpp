#include "support/TestCertificates.h"

#include <QProcess>

TestCertificates::TestCertificates() {
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/MakeTestCertificates.sh"),
                   m_dir.path()});
    m_made = openssl.waitForFinished(60000) && openssl.exitStatus() == QProcess::NormalExit &&
             openssl.exitCode() == 0;
    m_log = QString::fromLocal8Bit(openssl.readAll());
}
