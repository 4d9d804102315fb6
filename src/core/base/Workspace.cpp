#include "base/Workspace.h"

#include <QDir>

Workspace Workspace::at(const QString& programDir) {
    QString root = QDir::fromNativeSeparators(programDir);
    if (!root.endsWith(u'/'))
        root += u'/';
    Workspace w;
    w.ProgramDir = root;
    w.DataDir = root + QStringLiteral("data/");
    w.CompaniesDir = root + QStringLiteral("companies/");
    w.CatDir = root + QStringLiteral("cat/");
    w.SitesDir = root + QStringLiteral("sites/");
    w.UpdatesDir = root + QStringLiteral("sites/updates/");
    w.FilesDir = root + QStringLiteral("files/");
    w.ReportsDir = root + QStringLiteral("reports/");
    w.ImagesDir = root + QStringLiteral("images/");
    return w;
}

QStringList Workspace::folders() const {
    return {DataDir, CompaniesDir, CatDir, SitesDir, UpdatesDir, FilesDir, ReportsDir, ImagesDir};
}
