#include "reports/ReportImages.h"

#include <QFile>
#include <QFileInfo>

// A resource in a static library is linked in only when something names it.
static void initReportResources() {
    Q_INIT_RESOURCE(reports);
}

bool ReportImages::installOne(const QString& imagesDir, const QString& name) {
    const QString target = imagesDir + name;
    if (QFileInfo::exists(target))
        return true;
    if (!QFile::copy(QStringLiteral(":/reports/images/") + name, target))
        return false;
    // Resource files are read-only; the copy should be an ordinary user file.
    return QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther);
}

bool ReportImages::installMissing(const QString& imagesDir) {
    initReportResources();
    const bool banner = installOne(imagesDir, bannerName());
    const bool background = installOne(imagesDir, backgroundName());
    return banner && background;
}
