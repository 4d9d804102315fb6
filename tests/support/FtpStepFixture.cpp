#include "support/FtpStepFixture.h"

#include <QDir>
#include <QRegularExpression>

FtpStepFixture::FtpStepFixture() {
    QDir().mkpath(paths.FilesDir);
    engine.setFlag("USE_FTP_UPLOAD", true);
    engine.set("LOGIN_NAME", "shipper");
    engine.set("LOGIN_PASSWORD", "secret");
    engine.set("REMOTE_PATH", "incoming/");
}

void FtpStepFixture::appFile(const QString& name, const QByteArray& bytes) {
    ws.write("local/" + name, bytes);
    app.setValue("PATH", ws.path("local/" + name));
    app.setValue("FILENAME", name);
}

void FtpStepFixture::server(quint16 port) {
    server(QStringLiteral("127.0.0.1:%1").arg(port));
}

void FtpStepFixture::addedText(const QString& script, const QString& name) {
    engine.scripts[SiteEngine::FtpNew] = script;
    engine.set("FTP_FILENAME", name);
}

FtpUploader& FtpStepFixture::uploader(int retries, int timeOutSeconds) {
    if (!m_uploader)
        m_uploader = std::make_unique<FtpUploader>(paths, view,
                                                   FtpUploader::Limits{retries, timeOutSeconds});
    return *m_uploader;
}

bool FtpStepFixture::runStep(int retries, int timeOutSeconds) {
    return uploader(retries, timeOutSeconds).UploadWithRetries(engine, app, context);
}

QString FtpStepFixture::maskPort(const QString& line) {
    static const QRegularExpression port(
        QStringLiteral("^(CLIENT: PORT) \\d+,\\d+,\\d+,\\d+,\\d+,\\d+$"));
    return QString(line).replace(port, QStringLiteral("\\1 *"));
}

QStringList FtpStepFixture::transcript() const {
    QStringList lines;
    for (const QString& line : view.ftpLog)
        lines << maskPort(line);
    return lines;
}

QStringList FtpStepFixture::sentCommands() const {
    QStringList commands;
    for (const QString& line : transcript())
        if (line.startsWith(QStringLiteral("CLIENT: ")))
            commands << line.mid(8);
    return commands;
}
