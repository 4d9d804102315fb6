#include "commands/SiteBuilderCommands.h"

#include "base/BusyCursor.h"
#include "base/Prompter.h"
#include "commands/SaveQuestion.h"
#include "engines/MatchUp.h"
#include "engines/TEngBuild.h"
#include "records/TIniFile.h"
#include "scripts/DefaultScripts.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QFileInfo>

SiteBuilderCommands::SiteBuilderCommands(Session& session) : m_session(session) {}

TEngBuild& SiteBuilderCommands::engines() const {
    return *m_session.gwide().engBuild();
}

bool SiteBuilderCommands::selectSite(int index) {
    if (!SaveQuestion::ask(m_session.prompter(), m_session.EngineUnsaved,
                           QStringLiteral("Added/Changed Engine Info"),
                           [this] { SaveSiteBtnClick(); })) {
        m_session.engineReplaced(); // the builder shows the site it keeps
        return false;
    }
    loadSite(index);
    return true;
}

void SiteBuilderCommands::loadSite(int index) {
    BusyCursor busy(m_session.prompter());
    engines().select(index);
    const int selected = engines().selectedIndex();
    engines().LoadSiteEngine(selected < 0 ? QString() : engines().engineList().at(selected));
    m_session.markEngineSaved();
    m_session.engineReplaced();
}

void SiteBuilderCommands::makeFirstSiteCurrent() {
    if (engines().selectedIndex() < 0 && !engines().engineList().isEmpty())
        selectSite(0);
}

bool SiteBuilderCommands::selectSiteNamed(const QString& site) {
    const qsizetype index = engines().engineList().indexOf(site);
    if (index < 0 || !QFileInfo::exists(engines().settingsPath(site)))
        return false;
    // The run moves from site to site: the questions were asked before it started.
    loadSite(static_cast<int>(index));
    return true;
}

bool SiteBuilderCommands::NewSiteBtnClick() {
    for (;;) {
        const auto typed =
            m_session.prompter().askName(QStringLiteral("New Site Name:"), QString());
        if (!typed || typed->isEmpty())
            return false;
        if (engines().AddSite(*typed, m_session.prompter()))
            break;
    }
    m_session.markEngineSaved();
    m_session.EngineUnsaved = true;
    m_session.engineListReplaced();
    m_session.engineReplaced();
    return true;
}

void SiteBuilderCommands::SaveSiteBtnClick() {
    if (engines().current().name.isEmpty())
        return;
    BusyCursor busy(m_session.prompter());
    engines().SaveSiteEngine();
    m_session.rebuildSiteList();
    m_session.markEngineSaved();
    m_session.announceSaved(engines().current().name);
}

void SiteBuilderCommands::DeleteSiteBtnClick() {
    if (engines().current().name.isEmpty())
        return;
    m_session.prompter().beep(Prompter::Sound::Information);
    if (m_session.prompter().confirm(QStringLiteral("Delete This Site ?"),
                                     Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    BusyCursor busy(m_session.prompter());
    engines().DeleteSite();
    m_session.markEngineSaved();
    m_session.rebuildSiteList();
    m_session.engineListReplaced();
    m_session.engineReplaced();
}

bool SiteBuilderCommands::loadDefaultScript(SiteEngine::Script script) {
    m_session.prompter().beep(Prompter::Sound::Information);
    if (m_session.prompter().confirm(QStringLiteral("Sure you want to do this?"),
                                     Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return false;
    QString& editor = engines().current().scripts[script];
    editor.clear();
    m_session.engineReplaced();
    editor = DefaultScripts(m_session.gwide().paths()).load(script);
    m_session.engineEdited();
    m_session.engineReplaced();
    return true;
}

std::optional<QString> SiteBuilderCommands::siteWebUrl(const QString& site) const {
    const QString path = engines().settingsPath(site);
    const QString url = QFileInfo::exists(path) ? TIniFile(path).ReadKey(SiteEngine::Section,
                                                                         "SITES_WEB_URL", QString())
                                                : QString();
    if (!url.isEmpty())
        return url;
    m_session.prompter().message(QStringLiteral("No URL defined for this site!"));
    return std::nullopt;
}

void SiteBuilderCommands::storeMatchUp(const std::vector<QString>& values) {
    MatchUp::store(engines().current(), values);
    m_session.engineEdited();
}
