#include "support/ZipForge.h"

#include <QProcess>

bool forgeZip(const QString& out, const QByteArray& code) {
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedChannels);
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/ZipForge.py"), out,
                  QString::fromUtf8(code)});
    return python.waitForFinished(120000) && python.exitStatus() == QProcess::NormalExit &&
           python.exitCode() == 0;
}
