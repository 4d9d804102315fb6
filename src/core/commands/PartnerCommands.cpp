#include "commands/PartnerCommands.h"

#include "base/Prompter.h"
#include "partner/BhsAccount.h"
#include "partner/BhsClient.h"
#include "shell/Session.h"

namespace {
const QString kYourId = QStringLiteral("Your BHS ID# is: ");
}

bool PartnerCommands::BHSIDBtnClick() {
    Prompter& prompter = m_session.prompter();
    if (m_session.companyText().isEmpty()) {
        prompter.beep(Prompter::Sound::Information);
        prompter.errorDialog(QStringLiteral("You first need to define a company name!"));
        return false;
    }
    const QString& id = m_session.company()[CompanyRecord::BHSID];
    if (id.isEmpty())
        return true;
    prompter.beep(Prompter::Sound::Information);
    prompter.message(kYourId + id);
    return false;
}

bool PartnerCommands::useAccount(const BhsAccount& account) {
    Prompter& prompter = m_session.prompter();
    if (account.name.compare(m_session.companyText(), Qt::CaseInsensitive) != 0) {
        prompter.beep(Prompter::Sound::Information);
        const auto answer = prompter.confirm(
            QStringLiteral("The name you selected does not exactly match the name in your "
                           "Shipkit company field. Do you still want to use the selected BHS "
                           "company for the ID?"),
            Prompter::Buttons::YesNo);
        if (answer != Prompter::Answer::Yes)
            return false;
    }
    setId(account.id);
    return true;
}

bool PartnerCommands::takeNewAccount(const QString& id) {
    if (!id.isEmpty()) {
        setId(id);
        return true;
    }
    m_session.prompter().beep(Prompter::Sound::Information);
    m_session.prompter().errorDialog(QStringLiteral("Could not assign BHS account at this time!"));
    return false;
}

// The identifier reaches the company file with the next company save.
void PartnerCommands::setId(const QString& id) {
    m_session.setBhsId(id);
    m_session.prompter().beep(Prompter::Sound::Information);
    m_session.prompter().message(kYourId + id);
    m_session.CompanyUnsaved = true;
}

BhsAccountForm PartnerCommands::newAccountForm() const {
    return BhsAccountForm::prefilled(m_session.company());
}

BhsClient* PartnerCommands::makeClient(QObject* parent) const {
    const Settings& s = m_session.settings;
    return new BhsClient(s.PartnerUrl, s.proxy(), TlsPolicy(s.CaFile), parent);
}
