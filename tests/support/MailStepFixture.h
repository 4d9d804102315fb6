#pragma once

#include "submit/MailListing.h"
#include "submit/MailPoster.h"
#include "support/StepFixture.h"

#include <memory>

// One site's e-mail step: the engine takes new listings at submit@site.example and updates at
// updates@site.example; the company's contact is boss@company.example; the sender is "Ann"
// <me@company.example>.
class MailStepFixture : public StepFixture {
public:
    MailStepFixture();

    // Writes a file under local/ and stores its path in the application's key.
    void appFile(const QString& key, const QString& name, const QByteArray& bytes);
    MailListing listing(const QString& submit = QStringLiteral("New")) const;
    MailPoster& poster(const QString& server, int timeOutSeconds = 60);

private:
    std::unique_ptr<MailPoster> m_poster;
};
