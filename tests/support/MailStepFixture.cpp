#include "support/MailStepFixture.h"

MailStepFixture::MailStepFixture() {
    company[CompanyRecord::CEMAIL] = "boss@company.example";
    engine.setFlag("USE_EMAIL", true);
    engine.set("EMAIL_TONAME", "submit@site.example");
    engine.set("EMAIL_TONAME_UPDATE", "updates@site.example");
    engine.set("EMAIL_SUBJECT", "New: %APPNAME% %APPVERSION%");
    engine.scripts[SiteEngine::EmailNew] = "Name: %APPNAME%\r\nVersion: %APPVERSION%\r\n";
    engine.scripts[SiteEngine::EmailUpdate] = "Updated: %APPNAME%";
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
