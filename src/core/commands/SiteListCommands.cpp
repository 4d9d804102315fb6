#include "commands/SiteListCommands.h"

#include "base/BusyCursor.h"
#include "base/Clock.h"
#include "base/Prompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

AppSiteList& SiteListCommands::list() const {
    return m_session.siteList();
}

void SiteListCommands::changed() {
    m_session.SiteListChanged = true;
}

void SiteListCommands::setSubmit(const QString& kind) {
    list().setSubmit(kind);
    changed();
}

void SiteListCommands::setCategory(int which, const QString& label) {
    if (list().setCategory(which, label))
        changed();
}

bool SiteListCommands::setPost(bool on) {
    if (!list().selectedRow())
        return false;
    if (!list().setPost(on)) {
        m_session.prompter().beep(Prompter::Sound::Default);
        m_session.prompter().errorDialog(QStringLiteral(
            "Cannot change post to yes. Applications \"Platform\" or \"Status\" is not "
            "compatable with engines settings!"));
        return false;
    }
    changed();
    return true;
}

bool SiteListCommands::GridAllBtnsClick(AppSiteList::AllButton button) {
    if (list().rows().empty())
        return false;
    static const char* const texts[] = {"change all to \"New\"?", "change all to \"Update\"?",
                                        "change all to \"Post\"?", "change all to \"No Post\"?"};
    Prompter& prompter = m_session.prompter();
    prompter.beep(Prompter::Sound::Information);
    if (prompter.confirm(QStringLiteral("Sure you want to ") +
                             QLatin1String(texts[static_cast<int>(button)]),
                         Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return false;
    BusyCursor busy(prompter);
    list().applyToAll(button);
    changed();
    return true;
}

void SiteListCommands::popupTogglePost() {
    if (const AppSiteEntry* row = list().selectedRow()) {
        BusyCursor busy(m_session.prompter());
        setPost(row->post != QLatin1String("Y"));
        changed();
    }
}

void SiteListCommands::popupToggleKind() {
    if (list().selectedRow()) {
        list().toggleKind();
        changed();
    }
}

void SiteListCommands::popupTogglePostDate() {
    if (list().selectedRow()) {
        list().togglePostDate(m_session.clock().now().date());
        changed();
    }
}

void SiteListCommands::AppSiteChangeBtnClick() {
    BusyCursor busy(m_session.prompter());
    list().SaveSiteList(m_session.appText());
    m_session.SiteListChanged = false;
    m_session.announceSaved(QStringLiteral("the site list of ") + m_session.appText());
}

QStringList SiteListCommands::categoryLabels(const QString& site, int which) const {
    return list().categoryLabels(*m_session.gwide().engBuild(), site, which);
}
