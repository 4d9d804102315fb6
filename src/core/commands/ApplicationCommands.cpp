#include "commands/ApplicationCommands.h"

#include "base/BusyCursor.h"
#include "commands/CompanyCommands.h"
#include "commands/NewNameQuestion.h"
#include "commands/SaveQuestion.h"
#include "records/ListFile.h"
#include "records/TIniFile.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QFile>

namespace {

QString dataPath(const Session& session, const QString& name, const char* suffix) {
    return session.gwide().appFilePath(name, QLatin1String(suffix));
}

} // namespace

void ApplicationCommands::NewAppBtnClick() {
    Prompter& prompter = m_session.prompter();
    if (m_session.companyText().isEmpty()) {
        prompter.beep(Prompter::Sound::Information);
        prompter.errorDialog(QStringLiteral("You have not entered a company yet!"));
        m_session.requestPage(Session::CompanyInfo);
        m_companies.NewCompanyBtnClick();
        return;
    }
    const auto name = NewNameQuestion::askNewName(
        prompter,
        {QStringLiteral("New Application Name"), QStringLiteral("APP NAME DUPLICATE"),
         QStringLiteral("The App name you entered is already on the list!"),
         QStringLiteral("INVALID APP NAME")},
        m_session.apps());
    if (!name)
        return;
    m_session.addApp(*name);
    m_session.gwide().SaveAppList(m_session.companyText(), m_session.apps());
    m_session.AppUnsaved = true;
    m_session.markAppSelected(*name);
    ClearApplicationFields();
    SaveAppBtnClick();
}

void ApplicationCommands::DeleteAppBtnClick() {
    const QString name = m_session.appText();
    if (name.isEmpty())
        return;
    BusyCursor busy(m_session.prompter());
    m_session.prompter().beep(Prompter::Sound::Information);
    if (m_session.prompter().confirm(QStringLiteral("Delete This Application ?"),
                                     Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    const QString siteList = dataPath(m_session, name, "_SITES.dat");
    if (QFile::exists(siteList))
        QFile::remove(siteList);
    m_session.removeApp(name);
    m_session.gwide().SaveAppList(m_session.companyText(), m_session.apps());
    if (m_session.apps().isEmpty())
        ClearApplicationFields();
    else
        m_session.selectApp(0);
}

void ApplicationCommands::SaveAppBtnClick() {
    BusyCursor busy(m_session.prompter());
    SaveApplication();
    if (m_session.siteList().rows().empty())
        m_session.rebuildSiteList();
}

void ApplicationCommands::SaveApplication() {
    const QString name = m_session.appText();
    if (name.isEmpty())
        return;
    const TIniFile file(dataPath(m_session, name, ".dat"));
    CompanyRecord company = m_session.company();
    company[CompanyRecord::CONAME] = m_session.companyText();
    company.write(file);
    m_session.app().write(file, name);
    SaveList(splitLines(m_session.app().longDescription), dataPath(m_session, name, ".lds"));
    SaveList(splitLines(m_session.app().notes), dataPath(m_session, name, ".nts"));
    m_session.markAppSaved();
    m_session.announceSaved(name);
}

bool ApplicationCommands::chooseCompany(int index) {
    if (index == m_session.companyIndex())
        return true;
    Prompter& prompter = m_session.prompter();
    if (!SaveQuestion::ask(prompter, m_session.CompanyUnsaved,
                           QStringLiteral("Changed Company Info"),
                           [this] { m_companies.SaveCompanyBtnClick(); }) ||
        !askToSaveApplication())
        return false;
    m_session.chooseCompany(index);
    return true;
}

bool ApplicationCommands::chooseApp(int index) {
    if (index == m_session.appIndex())
        return true;
    if (!askToSaveApplication())
        return false;
    m_session.selectApp(index);
    return true;
}

bool ApplicationCommands::askToSaveApplication() {
    return SaveQuestion::ask(m_session.prompter(),
                             m_session.AppUnsaved && !m_session.appText().isEmpty(),
                             m_session.appText(), [this] { SaveApplication(); });
}

void ApplicationCommands::ClearApplicationFields() {
    m_session.clearAppFields();
}

bool ApplicationCommands::char8nameExit() {
    const QString name = m_session.app().value(QStringLiteral("8CHAR"));
    static const QString refused = QStringLiteral(" ./()");
    for (const QChar c : name) {
        if (refused.contains(c)) {
            m_session.prompter().message(
                QStringLiteral("You can only have alpha-numeric values in this field."));
            m_session.setAppValue(QStringLiteral("8CHAR"), QString());
            m_session.appReplaced();
            return false;
        }
    }
    if (name != name.toLower()) {
        m_session.setAppValue(QStringLiteral("8CHAR"), name.toLower());
        m_session.appReplaced();
    }
    return true;
}
