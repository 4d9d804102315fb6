#include "support/MailInbox.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

namespace MailInbox {

std::unique_ptr<NetServerProcess> server(const QString& folder, const QStringList& options) {
    QDir().mkpath(folder);
    return std::make_unique<NetServerProcess>(
        QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/SmtpSaveServer.py"),
                    QStringLiteral("%PORT%"), folder} +
            options);
}

QJsonObject parts(const QString& message, const QString& outFolder) {
    QDir().mkpath(outFolder);
    QProcess dump;
    dump.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/MailPartsDump.py"), message, outFolder});
    EXPECT_TRUE(dump.waitForFinished(60000) && dump.exitCode() == 0)
        << dump.readAllStandardError().toStdString();
    QFile json(outFolder + QStringLiteral("/parts.json"));
    return json.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(json.readAll()).object()
                                          : QJsonObject();
}

} // namespace MailInbox
