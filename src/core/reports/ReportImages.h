#pragma once

#include <QString>

// The banner and background pictures that every report page shows, shipped inside the program.
class ReportImages {
public:
    static QString bannerName() { return QStringLiteral("sksr.jpg"); }
    static QString backgroundName() { return QStringLiteral("back.jpg"); }

    // Copies each picture missing from the images folder (trailing "/"); one the user
    // replaced is left alone. False when a copy failed: the pages then show no picture.
    static bool installMissing(const QString& imagesDir);

private:
    static bool installOne(const QString& imagesDir, const QString& name);
};
