#include "commands/CloseQuestions.h"

#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SaveQuestion.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SiteListCommands.h"
#include "shell/Session.h"

bool CloseQuestions::FormCloseQuery() {
    if (m_session.SkipClosePrompts)
        return true;
    const struct {
        bool condition;
        QString what;
        std::function<void()> save;
    } questions[] = {
        {m_session.CompanyUnsaved, QStringLiteral("Changed Company Info"),
         [this] { m_companies.SaveCompanyBtnClick(); }},
        {m_session.AppUnsaved, m_session.appText(), [this] { m_apps.SaveApplication(); }},
        {m_session.SiteListChanged, QStringLiteral("Site Engine Info"),
         [this] { m_siteList.AppSiteChangeBtnClick(); }},
        {m_session.EngineUnsaved, QStringLiteral("Added/Changed Engine Info"),
         [this] { m_engines.SaveSiteBtnClick(); }},
    };
    for (const auto& q : questions)
        if (!SaveQuestion::ask(m_session.prompter(), q.condition, q.what, q.save))
            return false;
    return true;
}
