#include "submit/AppSiteList.h"

#include "base/ShipkitError.h"
#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "engines/TEngBuild.h"
#include "records/ApplicationRecord.h"
#include "records/IniSnapshot.h"
#include "records/ListFile.h"
#include "records/WorkspacePath.h"

#include <QFileInfo>
#include <QHash>
#include <QLocale>

const QChar AppSiteList::Separator = QChar(0x00B1);

namespace {

const QString kNA = QStringLiteral("N/A");
const QString kNotSet = QStringLiteral("NOT SET!");
const QString kYes = QStringLiteral("Y");
const QString kNo = QStringLiteral("N");

QString shortDate(const QDate& day) {
    return QLocale::system().toString(day, QLocale::ShortFormat);
}

QString yesNo(bool on) {
    return on ? kYes : kNo;
}

// Field n (from 0) of a stored line; fields past the last separator read as empty.
QString field(const QStringList& fields, int n) {
    return n < fields.size() ? fields[n] : QString();
}

// What a stored line keeps of the row built from its engine.
void merge(AppSiteEntry& row, const QStringList& fields) {
    row.submit = field(fields, 1);
    if (row.cat1 != kNA && field(fields, 2) != kNA)
        row.cat1 = field(fields, 2);
    if (row.cat2 != kNA && field(fields, 3) != kNA)
        row.cat2 = field(fields, 3);
    row.lastPost = field(fields, 4);
    row.post = field(fields, 5);
}

// The rows of each site name: a stored line is matched by name, and with thousands of engines a
// search of all rows for each line was the most of choosing an application.
QHash<QString, QList<int>> rowsBySite(const std::vector<AppSiteEntry>& rows) {
    QHash<QString, QList<int>> bySite;
    bySite.reserve(static_cast<qsizetype>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        bySite[rows[r].site].append(r);
    return bySite;
}

} // namespace

AppSiteEntry AppSiteList::entryFor(const TEngBuild& engines, const QString& site,
                                   bool& exists) const {
    const IniSnapshot ini(engines.settingsPath(site));
    exists = ini.exists();
    const char* s = SiteEngine::Section;
    AppSiteEntry e;
    e.site = site;
    e.type = QLatin1String(ini.ReadKeyInt(s, "SITE_TYPE", 2) == 1 ? "Free" : "All");
    switch (ini.ReadKeyInt(s, "SITE_SYSTEM", 3)) {
    case 1:
        e.type += QStringLiteral(" 32");
        break;
    case 2:
        e.type += QStringLiteral(" 16");
        break;
    default:
        e.type += QStringLiteral(" 16-32");
    }
    e.cat1 = ini.ReadKeyFlag(s, "USE_CAT1", false) ? kNotSet : kNA;
    e.cat2 = ini.ReadKeyFlag(s, "USE_CAT2", false) ? kNotSet : kNA;
    e.http = yesNo(ini.ReadKeyFlag(s, "USE_HTTP_POST", false));
    e.ftp = yesNo(ini.ReadKeyFlag(s, "USE_FTP_UPLOAD", false));
    e.zip = yesNo(ini.ReadKeyFlag(s, "USE_ZIP_FILE", false));
    e.email = yesNo(ini.ReadKeyFlag(s, "USE_EMAIL", false));
    return e;
}

QString AppSiteList::path(const QString& application) const {
    return WorkspacePath::inside(m_workspace.ProgramDir,
                                 m_workspace.DataDir + application + QStringLiteral("_SITES.dat"));
}

void AppSiteList::LoadSiteList(const TEngBuild& engines, const QString& application) {
    m_rows.clear();
    m_selected = -1;
    for (const QString& site : engines.engineList()) {
        bool exists = false;
        AppSiteEntry entry = entryFor(engines, site, exists);
        if (exists)
            m_rows.push_back(std::move(entry));
    }
    const QString file = path(application);
    if (!application.isEmpty() && QFileInfo::exists(file)) {
        const QHash<QString, QList<int>> bySite = rowsBySite(m_rows);
        for (const QString& line : LoadList(file)) {
            const QStringList fields = line.split(Separator);
            for (const int r : bySite.value(field(fields, 0)))
                merge(m_rows[r], fields);
        }
    }
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r)
        if (!IsSiteCompatible(r))
            m_rows[r].post = kNo;
    if (!application.isEmpty() && !m_readOnly)
        SaveSiteList(application);
    if (!m_rows.empty())
        m_selected = 0;
}

void AppSiteList::SaveSiteList(const QString& application) const {
    if (m_readOnly)
        throw ShipkitError(QStringLiteral("The site list of %1 was opened read-only and is not "
                                          "saved.")
                               .arg(application));
    if (m_rows.empty())
        return;
    // Saved after every site of a run: one allocation a line, not three.
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_rows.size()));
    for (const AppSiteEntry& row : m_rows)
        lines << row.site + Separator + row.submit + Separator + row.cat1 + Separator + row.cat2 +
                     Separator + row.lastPost + Separator + row.post;
    SaveList(lines, path(application));
}

bool AppSiteList::IsSiteCompatible(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    const QString& type = m_rows[row].type;
    const qsizetype space = type.indexOf(u' ');
    const QString kind = space < 0 ? type : type.left(space);
    const QString system = space < 0 ? QString() : type.mid(space + 1, 10);
    const QString platform = m_app.value(QStringLiteral("PLATFORM"));
    const QString status = m_app.value(QStringLiteral("STATUS"));
    if (system != QLatin1String("16-32")) {
        const bool win31 = platform == QLatin1String("Windows 3.1");
        if ((win31 && system == QLatin1String("32")) || (!win31 && system == QLatin1String("16")))
            return false;
    }
    if (kind == QLatin1String("Free"))
        return status == QLatin1String("Freeware") || status == QLatin1String("Public Domain");
    return true;
}

bool AppSiteList::toPost(int row, const QStringList& only) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return false;
    const AppSiteEntry& entry = m_rows[row];
    return entry.post != kNo && (only.isEmpty() || only.contains(entry.site));
}

bool AppSiteList::counted(int row, const QStringList& only) const {
    return toPost(row, only) && IsSiteCompatible(row);
}

AppSiteList::Counts AppSiteList::CountSitesToPost(const QStringList& only) const {
    Counts c;
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        const AppSiteEntry& row = m_rows[r];
        if (!counted(r, only))
            continue;
        ++c.total;
        ++(row.submit != QLatin1String("New") ? c.update : c.newCount);
        c.http += row.http == kYes;
        c.ftp += row.ftp == kYes;
        c.ftpZip += row.ftp == kYes && row.zip == kYes;
        c.email += row.email == kYes;
    }
    return c;
}

int AppSiteList::firstMissingCategory(const QStringList& only) const {
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r)
        if (counted(r, only) && (m_rows[r].cat1 == kNotSet || m_rows[r].cat2 == kNotSet))
            return r;
    return -1;
}

void AppSiteList::recordPosted(int row, const QDate& today) {
    if (row < 0 || row >= static_cast<int>(m_rows.size()))
        return;
    m_rows[row].submit = QStringLiteral("Update");
    m_rows[row].lastPost = shortDate(today);
}

const AppSiteEntry* AppSiteList::selectedRow() const {
    return m_selected >= 0 ? &m_rows[m_selected] : nullptr;
}

AppSiteEntry* AppSiteList::current() {
    return m_selected >= 0 ? &m_rows[m_selected] : nullptr;
}

void AppSiteList::select(int row) {
    m_selected = (row >= 0 && row < static_cast<int>(m_rows.size())) ? row : -1;
}

void AppSiteList::selectUp() {
    if (!m_rows.empty())
        m_selected = m_selected <= 0 ? static_cast<int>(m_rows.size()) - 1 : m_selected - 1;
}

void AppSiteList::selectDown() {
    if (!m_rows.empty())
        m_selected = (m_selected + 1) % static_cast<int>(m_rows.size());
}

void AppSiteList::setSubmit(const QString& kind) {
    if (AppSiteEntry* row = current())
        row->submit = kind;
}

bool AppSiteList::setCategory(int list, const QString& label) {
    AppSiteEntry* row = current();
    if (!row || label.isEmpty())
        return false;
    (list == 1 ? row->cat1 : row->cat2) = label;
    return true;
}

bool AppSiteList::setPost(bool on) {
    AppSiteEntry* row = current();
    if (!row || (on && !IsSiteCompatible(m_selected)))
        return false;
    row->post = yesNo(on);
    return true;
}

void AppSiteList::applyToAll(AllButton button) {
    for (int r = 0; r < static_cast<int>(m_rows.size()); ++r) {
        AppSiteEntry& row = m_rows[r];
        switch (button) {
        case AllButton::ToNew:
            row.submit = QStringLiteral("New");
            break;
        case AllButton::ToUpdate:
            row.submit = QStringLiteral("Update");
            break;
        case AllButton::ToPost:
            if (IsSiteCompatible(r))
                row.post = kYes;
            break;
        case AllButton::ToNoPost:
            row.post = kNo;
            break;
        }
    }
}

QStringList AppSiteList::popupCaptions() const {
    const AppSiteEntry* row = selectedRow();
    if (!row)
        return {};
    return {
        row->post != kYes ? QStringLiteral("Set Post To YES") : QStringLiteral("Set Post To NO"),
        row->submit != QLatin1String("New") ? QStringLiteral("Set as Post NEW")
                                            : QStringLiteral("Set as Post UPDATE"),
        row->lastPost != QLatin1String("Unknown") ? QStringLiteral("Set Last Post Date To Unknown")
                                                  : QStringLiteral("Set Last Post Date To NOW")};
}

void AppSiteList::toggleKind() {
    if (AppSiteEntry* row = current())
        row->submit =
            row->submit != QLatin1String("New") ? QStringLiteral("New") : QStringLiteral("Update");
}

void AppSiteList::togglePostDate(const QDate& today) {
    if (AppSiteEntry* row = current())
        row->lastPost = row->lastPost != QLatin1String("Unknown") ? QStringLiteral("Unknown")
                                                                  : shortDate(today);
}

QStringList AppSiteList::categoryLabels(const TEngBuild& engines, const QString& site,
                                        int list) const {
    const QString file = engines.categoryPath(site, list);
    QStringList labels;
    if (!QFileInfo::exists(file))
        return labels;
    try {
        for (const QString& line : LoadList(file))
            labels << TEngBuild::CategoryDisplay(line);
    } catch (const std::exception&) {
        labels.clear();
    }
    return labels;
}
