#include "update/UpdatePlan.h"

#include "base/ShipkitError.h"
#include "base/Workspace.h"
#include "records/NameRules.h"

#include <algorithm>

namespace {

const QString kSiteList = QStringLiteral("Sites.dat");

bool sameName(const QString& name, const QString& other) {
    return name.compare(other, Qt::CaseInsensitive) == 0;
}

} // namespace

UpdatePlan::UpdatePlan(const QString& updatesDir, const QStringList& names,
                       const Workspace& paths) {
    for (const QString& name : names)
        place(updatesDir, name, paths);
    // The site list first, as it names the engines the other files belong to.
    std::stable_partition(m_items.begin(), m_items.end(),
                          [](const Item& item) { return item.name == kSiteList; });
    m_items.insert(m_items.end(), m_categories.begin(), m_categories.end());
    if (m_items.empty())
        throw ShipkitError(QStringLiteral("The archive holds no site data files. Check the "
                                          "address UPDATEURL in settings.dat."));
}

void UpdatePlan::place(const QString& updatesDir, const QString& name, const Workspace& paths) {
    if (name.contains(QLatin1String("sksites.zip")))
        return;
    if (sameName(name, QStringLiteral("User_Sites.dat"))) {
        m_passedOver << name;
        return;
    }
    if (!NameRules::fileNameProblem(name).isEmpty())
        throw ShipkitError(QStringLiteral("The archive holds a file named \"%1\", which cannot "
                                          "be a file name in the workspace. Ask the maker for a "
                                          "corrected archive.")
                               .arg(name));
    if (name.contains(QLatin1String(".cat"))) {
        m_categories.push_back({updatesDir + name, paths.CatDir, name, u"cat/" + name});
        return;
    }
    // Older archives spell the site list in any case; the program reads one name.
    const QString target = sameName(name, kSiteList) ? kSiteList : name;
    std::erase_if(m_items, [&](const Item& item) { return item.name == target; });
    m_items.push_back({updatesDir + name, paths.SitesDir, target, u"sites/" + target});
}
