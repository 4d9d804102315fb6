#include "scripts/ExpansionContext.h"

#include "engines/TEngBuild.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

ExpansionContext ExpansionContext::ofSession(const Session& session) {
    ExpansionContext context;
    context.company = &session.company();
    context.app = &session.app();
    context.appName = session.appText();
    context.engine = &session.gwide().engBuild()->current();
    context.clock = &session.clock();
    context.prompter = &session.prompter();
    return context;
}
