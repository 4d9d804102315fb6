#pragma once

#include "submit/FtpUploader.h"
#include "support/StepFixture.h"

#include <QStringList>
#include <memory>

// One site's FTP step: the engine logs on as "shipper" / "secret" and uploads to "incoming/";
// the application's file is written on demand.
class FtpStepFixture : public StepFixture {
public:
    FtpStepFixture();

    // Writes the application's file under local/ and points the application at it.
    void appFile(const QString& name, const QByteArray& bytes);
    void server(const QString& hostAndPort) { engine.set("FTP_SERVER", hostAndPort); }
    void server(quint16 port);
    // The added text: the FTP script and its file name.
    void addedText(const QString& script, const QString& name);

    FtpUploader& uploader(int retries = 0, int timeOutSeconds = 60);
    bool runStep(int retries = 0, int timeOutSeconds = 60);

    // The client's commands in the transcript, with the PORT numbers masked ("PORT *").
    QStringList sentCommands() const;
    // The transcript with the PORT numbers masked.
    QStringList transcript() const;
    static QString maskPort(const QString& line);

private:
    std::unique_ptr<FtpUploader> m_uploader;
};
