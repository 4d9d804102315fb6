#pragma once

#include "base/Clock.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QDateTime>

// A session on a temporary workspace, answering through a scripted Prompter, with a fixed
// clock. Test fixtures derive from it and load the workspace when they have filled it.
class SessionFixture {
protected:
    explicit SessionFixture(const QDateTime& now = QDateTime(QDate(2026, 12, 8), QTime(9, 30)))
        : clock(now) {}

    TempWorkspace ws;
    ScriptedPrompter prompter;
    FixedClock clock;
    TGWide gwide{ws.dir()};
    Session session{gwide, prompter, clock};
};
