#pragma once

#include "base/Clock.h"
#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "support/RecordingRunView.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

// One site's posting step in a temporary workspace: an engine "Site One", an application
// "MyApp" 1.2 (short name MYAPP), the context that expands their scripts and the view that
// records what the step shows.
class StepFixture {
public:
    StepFixture();

    TempWorkspace ws;
    Workspace paths;
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(21, 5, 9))};
    ScriptedPrompter prompter;
    ExpansionContext context;
    RecordingRunView view;
};
