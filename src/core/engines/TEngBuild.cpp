#include "engines/TEngBuild.h"

#include "engines/TIniSites.h"
#include "records/ListFile.h"

#include <QFileInfo>
#include <algorithm>

namespace {

QStringList loadIfPresent(const QString& path) {
    return QFileInfo::exists(path) ? LoadList(path) : QStringList();
}

} // namespace

TEngBuild::TEngBuild(const TIniSites& sites) : m_sites(sites) {}

void TEngBuild::LoadEngineList() {
    QStringList all = loadIfPresent(m_sites.builtInPath()) + loadIfPresent(m_sites.userPath());
    all.removeAll(QString());
    std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    m_engines = all;
}
