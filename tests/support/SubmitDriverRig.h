#pragma once

#include "base/Clock.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SubmitCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/RecordingRunView.h"
#include "support/ScriptedPrompter.h"

// The Submit driver on a written workspace, loaded as the window has it before Save/Submit:
// the first application chosen and nothing unsaved. Check `loaded` before submitting.
struct SubmitDriverRig {
    explicit SubmitDriverRig(const QString& workspace) : gwide(workspace) {
        loaded = session.LoadWorkspace();
        session.settings = Settings::read(workspace);
        session.selectApp(0);
        session.CompanyUnsaved = session.AppUnsaved = session.EngineUnsaved = false;
    }

    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 30))};
    TGWide gwide;
    Session session{gwide, prompter, clock};
    bool loaded = false;
    CompanyCommands companies{session};
    ApplicationCommands apps{session, companies};
    SiteBuilderCommands engines{session};
    RecordingRunView view;
    SubmitCommands driver{session, view, companies, apps, engines};
};
