#include "engines/TEngBuild.h"

#include "base/Prompter.h"
#include "base/Workspace.h"
#include "engines/MatchUp.h"
#include "engines/TIniSites.h"
#include "records/IniSnapshot.h"
#include "records/ListFile.h"
#include "records/NameList.h"
#include "records/NameRules.h"
#include "records/TIniFile.h"
#include "records/TextHelpers.h"
#include "records/WorkspacePath.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace {

bool lessIgnoringCase(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

QStringList loadSorted(const QString& path, Prompter& prompter) {
    QStringList list = QFileInfo::exists(path) ? NameList::load(path, prompter) : QStringList();
    std::stable_sort(list.begin(), list.end(), lessIgnoringCase);
    return list;
}

// An editor's text from a file that may be missing.
QString loadText(const QString& path) {
    return QFileInfo::exists(path) ? LoadList(path).join(QStringLiteral("\r\n")) : QString();
}

const QString kMarker = QStringLiteral("\">");

} // namespace

TEngBuild::TEngBuild(const Workspace& workspace, const TIniSites& sites)
    : m_workspace(workspace), m_sites(sites) {}

QString TEngBuild::inside(const QString& path) const {
    return WorkspacePath::inside(m_workspace.ProgramDir, path);
}

QString TEngBuild::settingsPath(const QString& site) const {
    return inside(m_workspace.SitesDir + site + QStringLiteral(".ini"));
}

QString TEngBuild::categoryPath(const QString& site, int list) const {
    return inside(m_workspace.CatDir + site + QStringLiteral(" Cat%1.cat").arg(list));
}

QString TEngBuild::scriptPath(const QString& site, SiteEngine::Script script) const {
    return inside(m_workspace.SitesDir + site + SiteEngine::scriptSuffixes()[script] +
                  QStringLiteral(".scp"));
}

void TEngBuild::insertSorted(QStringList& list, const QString& name) const {
    list.insert(std::upper_bound(list.begin(), list.end(), name, lessIgnoringCase), name);
}

void TEngBuild::LoadSiteLists(Prompter& prompter) {
    m_builtIn = loadSorted(inside(m_sites.builtInPath()), prompter);
    m_user = loadSorted(inside(m_sites.userPath()), prompter);
    m_engines = m_builtIn + m_user;
    std::stable_sort(m_engines.begin(), m_engines.end(), lessIgnoringCase);
    m_selected = -1;
}

void TEngBuild::SaveSiteLists() const {
    SaveList(m_builtIn, inside(m_sites.builtInPath()));
    SaveList(m_user, inside(m_sites.userPath()));
}

void TEngBuild::select(int index) {
    m_selected = (index >= 0 && index < m_engines.size()) ? index : -1;
}

void TEngBuild::resetCurrent() {
    const QString name = m_current.name;
    m_current = SiteEngine();
    m_current.name = name;
}

void TEngBuild::LoadSiteEngine(const QString& name) {
    m_current = SiteEngine();
    m_current.name = name;
    m_current.readSettings(IniSnapshot(settingsPath(name)));
    m_current.cat1 = loadText(categoryPath(name, 1));
    m_current.cat2 = loadText(categoryPath(name, 2));
    for (int s = 0; s < SiteEngine::ScriptCount; ++s)
        m_current.scripts[s] = loadText(scriptPath(name, static_cast<SiteEngine::Script>(s)));
}

void TEngBuild::SaveSiteEngine() const {
    const QString& name = m_current.name;
    if (name.isEmpty())
        return;
    m_current.writeSettings(TIniFile(settingsPath(name)));
    const QString cats[] = {m_current.cat1, m_current.cat2};
    for (int list = 1; list <= 2; ++list) {
        if (cats[list - 1].isEmpty())
            QFile::remove(categoryPath(name, list));
        else
            SaveList(splitLines(cats[list - 1]), categoryPath(name, list));
    }
    // An emptied script is removed like an emptied category list, so it does not come back.
    for (int s = 0; s < SiteEngine::ScriptCount; ++s) {
        const QString path = scriptPath(name, static_cast<SiteEngine::Script>(s));
        if (m_current.scripts[s].isEmpty())
            QFile::remove(path);
        else
            SaveList(splitLines(m_current.scripts[s]), path);
    }
}

bool TEngBuild::AddSite(const QString& typed, Prompter& prompter) {
    QString name = typed;
    if (TextHelpers::StripSpaces(name).isEmpty())
        return false;
    if (const QString problem = NameRules::fileNameProblem(name); !problem.isEmpty()) {
        prompter.beep(Prompter::Sound::Information);
        prompter.errorBox(QStringLiteral("INVALID SITE NAME"), problem, QString());
        return false;
    }
    if (m_engines.contains(name)) {
        prompter.beep(Prompter::Sound::Information);
        prompter.errorBox(QStringLiteral("SITE NAME DUPLICATE"),
                          QStringLiteral("The site name you entered is already on the list!"),
                          QString());
        return false;
    }
    // The lists name the site only once its files exist, so a failed write leaves no ghost.
    SiteEngine added;
    added.name = name;
    const SiteEngine before = std::exchange(m_current, added);
    try {
        SaveSiteEngine();
    } catch (...) {
        m_current = before;
        throw;
    }
    insertSorted(m_engines, name);
    insertSorted(m_user, name);
    m_selected = static_cast<int>(m_engines.indexOf(name));
    SaveSiteLists();
    return true;
}

void TEngBuild::DeleteSite() {
    const QString name = m_current.name;
    if (name.isEmpty())
        return;
    QFile::remove(settingsPath(name));
    QFile::remove(categoryPath(name, 1));
    QFile::remove(categoryPath(name, 2));
    for (int s = 0; s < SiteEngine::ScriptCount; ++s)
        QFile::remove(scriptPath(name, static_cast<SiteEngine::Script>(s)));
    m_builtIn.removeOne(name);
    m_user.removeOne(name);
    m_engines.removeOne(name);
    SaveSiteLists();
    m_selected = -1;
    m_current = SiteEngine();
    if (!m_engines.isEmpty()) {
        select(0);
        LoadSiteEngine(m_engines.first());
    }
}

QString TEngBuild::CategoryValue(const QString& line) {
    const qsizetype at = line.indexOf(kMarker);
    return at >= 1 ? line.left(at) : line;
}

QString TEngBuild::CategoryDisplay(const QString& line) {
    const qsizetype at = line.indexOf(kMarker);
    return (at >= 0 && at + kMarker.size() < line.size()) ? line.mid(at + kMarker.size()) : line;
}
