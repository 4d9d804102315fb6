#pragma once

#include <QString>
#include <QStringList>

// The folder tree that holds all data: ProgramDir and the eight folders under it,
// every path with a trailing separator.
struct Workspace {
    QString ProgramDir;
    QString DataDir;
    QString CompaniesDir;
    QString CatDir;
    QString SitesDir;
    QString UpdatesDir;
    QString FilesDir;
    QString ReportsDir;
    QString ImagesDir;

    static Workspace at(const QString& programDir);
    // The eight folders in the order they are created (parents first).
    QStringList folders() const;
};
