#include "support/MailStepFixture.h"

MailStepFixture::MailStepFixture() : paths(Workspace::at(ws.dir())) {
    company[CompanyRecord::CEMAIL] = "boss@company.example";
    app.setValue("8CHAR", "MYAPP");
    app.setValue("VERSION", "1.2");
    engine.name = "Site One";
    engine.setFlag("USE_EMAIL", true);
    engine.set("EMAIL_TONAME", "submit@site.example");
    engine.set("EMAIL_TONAME_UPDATE", "updates@site.example");
    engine.set("EMAIL_SUBJECT", "New: %APPNAME% %APPVERSION%");
    engine.scripts[SiteEngine::EmailNew] = "Name: %APPNAME%\r\nVersion: %APPVERSION%\r\n";
    engine.scripts[SiteEngine::EmailUpdate] = "Updated: %APPNAME%";
    context.company = &company;
    context.app = &app;
    context.appName = "MyApp";
    context.engine = &engine;
    context.clock = &clock;
    context.prompter = &prompter;
}

void MailStepFixture::appFile(const QString& key, const QString& name, const QByteArray& bytes) {
    ws.write("local/" + name, bytes);
    app.setValue(key, ws.path("local/" + name));
}

MailListing MailStepFixture::listing(const QString& submit) const {
    return MailListing{engine, app, company, context, submit};
}

MailPoster& MailStepFixture::poster(const QString& server, int timeOutSeconds) {
    if (!m_poster)
        m_poster = std::make_unique<MailPoster>(
            paths, view, MailPoster::Setup{server, "me@company.example", "Ann", timeOutSeconds});
    return *m_poster;
}
