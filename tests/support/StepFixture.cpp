#include "support/StepFixture.h"

StepFixture::StepFixture() : paths(Workspace::at(ws.dir())) {
    app.setValue("8CHAR", "MYAPP");
    app.setValue("VERSION", "1.2");
    engine.name = "Site One";
    context.company = &company;
    context.app = &app;
    context.appName = "MyApp";
    context.engine = &engine;
    context.clock = &clock;
    context.prompter = &prompter;
}
