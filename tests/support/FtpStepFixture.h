#pragma once

#include "base/Clock.h"
#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "submit/FtpUploader.h"
#include "support/FtpStepView.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QStringList>
#include <memory>

// One site's FTP step in a temporary workspace: an engine "Site One" that logs on as
// "shipper" / "secret" and uploads to "incoming/", an application "MyApp" whose file is
// written on demand, and the view that records what the step shows.
class FtpStepFixture {
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

    TempWorkspace ws;
    Workspace paths;
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(21, 5, 9))};
    ScriptedPrompter prompter;
    ExpansionContext context;
    FtpStepView view;

private:
    std::unique_ptr<FtpUploader> m_uploader;
};
