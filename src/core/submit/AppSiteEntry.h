#pragma once

#include <QString>

// One row of an application's site list: the site and how the next run posts to it.
struct AppSiteEntry {
    QString site;
    QString type; // "Free"/"All", a space, "32"/"16"/"16-32"
    QString submit = QStringLiteral("New");
    QString cat1; // "N/A", "NOT SET!" or a category label
    QString cat2;
    QString http; // the four method flags, "Y" or "N"
    QString ftp;
    QString zip;
    QString email;
    QString lastPost = QStringLiteral("Unknown");
    QString post = QStringLiteral("Y");

    // The ten columns after the site name, in grid order.
    QStringList columns() const;
};
