#pragma once

#include "base/Clock.h"
#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "submit/MailListing.h"
#include "submit/MailPoster.h"
#include "support/MailStepView.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <memory>

// One site's e-mail step in a temporary workspace: an engine "Site One" that takes new listings
// at submit@site.example and updates at updates@site.example, an application "MyApp" 1.2 from
// a company whose contact is boss@company.example, and the view that records what the step
// shows. The sender is "Ann" <me@company.example>.
class MailStepFixture {
public:
    MailStepFixture();

    // Writes a file under local/ and stores its path in the application's key.
    void appFile(const QString& key, const QString& name, const QByteArray& bytes);
    MailListing listing(const QString& submit = QStringLiteral("New")) const;
    MailPoster& poster(const QString& server, int timeOutSeconds = 60);

    TempWorkspace ws;
    Workspace paths;
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(21, 5, 9))};
    ScriptedPrompter prompter;
    ExpansionContext context;
    MailStepView view;

private:
    std::unique_ptr<MailPoster> m_poster;
};
