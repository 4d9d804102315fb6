#include "commands/CompanyCommands.h"

#include "base/BusyCursor.h"
#include "commands/NewNameQuestion.h"
#include "records/ListFile.h"
#include "records/TIniFile.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

void CompanyCommands::saveCompanyList() {
    SaveList(m_session.companies(), m_session.gwide().companyListPath());
}

void CompanyCommands::NewCompanyBtnClick() {
    const auto name = NewNameQuestion::askNewName(
        m_session.prompter(),
        {QStringLiteral("New Company Name"), QStringLiteral("COMPANY NAME DUPLICATE"),
         QStringLiteral("The company name you entered is already on the list!"),
         QStringLiteral("INVALID COMPANY NAME")},
        m_session.companies());
    if (!name)
        return;
    m_session.SuppressCompanyChange = true;
    m_session.addCompany(*name);
    saveCompanyList();
    m_session.CompanyUnsaved = true;
    m_session.selectCompany(static_cast<int>(m_session.companies().indexOf(*name)));
    ClearCompanyFields();
    m_session.SuppressCompanyChange = false;
    // A new company has no applications yet.
    m_session.chooseCompany(m_session.companyIndex());
    SaveCompanyBtnClick();
}

void CompanyCommands::DeleteCompanyBtnClick() {
    const QString name = m_session.companyText();
    if (name.isEmpty())
        return;
    BusyCursor busy(m_session.prompter());
    m_session.prompter().beep(Prompter::Sound::Information);
    if (m_session.prompter().confirm(QStringLiteral("Delete This Company ?"),
                                     Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    m_session.removeCompany(name);
    saveCompanyList();
    if (!m_session.companies().isEmpty()) {
        m_session.chooseCompany(0);
        return;
    }
    // Nothing left to show: an empty page, no applications, nothing unsaved.
    m_session.chooseCompany(-1);
    ClearCompanyFields();
    m_session.markCompanySaved();
}

void CompanyCommands::SaveCompanyBtnClick() {
    const QString name = m_session.companyText();
    if (name.isEmpty())
        return;
    BusyCursor busy(m_session.prompter());
    const TIniFile file(m_session.gwide().companyPath(name));
    m_session.company().write(file);
    m_session.markCompanySaved();
    m_session.announceSaved(name);
}

void CompanyCommands::ClearCompanyFields() {
    m_session.clearCompanyFields();
}
