#include "commands/ContributeCommands.h"

#include "base/BusyCursor.h"
#include "base/Prompter.h"
#include "base/ShipkitError.h"
#include "base/Workspace.h"
#include "commands/ContributionMail.h"
#include "commands/SiteBuilderCommands.h"
#include "engines/TEngBuild.h"
#include "net/TMailMessage.h"
#include "net/TMailSMTP.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <exception>

TEngBuild& ContributeCommands::engines() const {
    return *m_session.gwide().engBuild();
}

bool ContributeCommands::ContributeBtnClick() {
    if (engines().current().name.isEmpty()) {
        m_session.prompter().beep(Prompter::Sound::Information);
        m_session.prompter().message(
            QStringLiteral("There is no site to contribute. Choose or create a site first."));
        return false;
    }
    if (m_session.EngineUnsaved)
        SiteBuilderCommands(m_session).SaveSiteBtnClick();
    return true;
}

bool ContributeCommands::contactFilledIn() {
    const CompanyRecord& company = m_session.company();
    if (!company[CompanyRecord::CONTACT].trimmed().isEmpty() &&
        company[CompanyRecord::CEMAIL].contains(u'@'))
        return true;
    m_session.prompter().beep(Prompter::Sound::Information);
    m_session.prompter().message(
        QStringLiteral("You do not have your company contact info filled in. Please do so now!"));
    return false;
}

QStringList ContributeCommands::siteFiles() const {
    const QString& site = engines().current().name;
    QStringList files{engines().settingsPath(site), engines().categoryPath(site, 1),
                      engines().categoryPath(site, 2)};
    for (int s = 0; s < SiteEngine::ScriptCount; ++s)
        files << engines().scriptPath(site, static_cast<SiteEngine::Script>(s));
    return files;
}

bool ContributeCommands::SubmitBtnClick() {
    bool sent = false;
    {
        BusyCursor busy(m_session.prompter());
        sent = send();
    }
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Default);
    if (sent)
        prompter.message(QStringLiteral("Submission Sent. Thank You!"));
    else
        prompter.errorDialog(QStringLiteral("ERROR -> Submission Could Not Be Sent!"));
    return sent;
}

// The mail counts as sent once the server took it (a failing QUIT afterwards does not undo
// that); any other end, an error reported or raised, is "could not be sent". The dialogue itself
// is in smlogfile.txt.
bool ContributeCommands::send() {
    const CompanyRecord& company = m_session.company();
    const Settings& settings = m_session.settings;
    bool delivered = false;
    try {
        TMailMessage message;
        QStringList files = siteFiles();
        const QString settingsFile = files.takeFirst();
        ContributionMail::compose(message, engines().current().name, settings.ContributeMail,
                                  {company[CompanyRecord::CONTACT], company[CompanyRecord::CEMAIL]},
                                  settingsFile, files);
        TMailSMTP smtp;
        QObject::connect(&smtp, &TMailSMTP::mailSent, [&delivered] { delivered = true; });
        smtp.setServer(settings.ContributeSmtp);
        smtp.setTimeOut(settings.smtpTimeOutSeconds());
        smtp.setLogFile(m_session.gwide().paths().ProgramDir + QStringLiteral("smlogfile.txt"));
        smtp.setMailMessage(&message);
        smtp.SendMail();
    } catch (const std::exception&) {
        // Before mailSent this is the failure; after it only the closing went wrong.
    }
    return delivered;
}
