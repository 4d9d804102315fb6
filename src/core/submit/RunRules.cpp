#include "submit/RunRules.h"

#include "engines/SiteEngine.h"
#include "records/ApplicationRecord.h"

#include <QFileInfo>

namespace {

bool isFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace

namespace RunRules {

QString applicationProblem(const ApplicationRecord& app, const QString& name) {
    const auto value = [&app](const char* key) { return app.value(QLatin1String(key)); };
    const struct {
        bool failed;
        const char* message;
    } checks[] = {
        {name.isEmpty(), "You have not selected an app to submit."},
        {value("8CHAR").isEmpty(), "The 8 Character Filename for this app is blank."},
        {value("PLATFORM").isEmpty(), "You have not selected the platform for this application"},
        {value("DSTATUS").isEmpty(), "You have not selected the distribution for this application"},
        {value("STATUS").isEmpty(), "You have not selected the status for this application"},
        {!isFile(value("PATH")),
         "You have selected an invalid local path for this application's file."},
        {!value("ICOPATH").isEmpty() && !isFile(value("ICOPATH")),
         "You have selected an invalid path for the Ico file."},
        {!value("GIFPATH").isEmpty() && !isFile(value("GIFPATH")),
         "You have selected an invalid path for the Gif file."},
        {!value("SCREENPATH").isEmpty() && !isFile(value("SCREENPATH")),
         "You have selected an invalid path for the Screen Shot file."},
        {!value("OTHERPATH").isEmpty() && !isFile(value("OTHERPATH")),
         "You have selected an invalid path for the \"Other\" file."},
    };
    for (const auto& check : checks)
        if (check.failed)
            return QString::fromUtf8(check.message);
    return QString();
}

bool IsEngineCompatible(const SiteEngine& engine, const ApplicationRecord& app) {
    const int system = engine.number(QStringLiteral("SITE_SYSTEM")); // 1: 32 only, 2: 16 only
    if (system == 1 || system == 2) {
        const bool win31 = app.value(QStringLiteral("PLATFORM")) == QLatin1String("Windows 3.1");
        if ((win31 && system == 1) || (!win31 && system == 2))
            return false;
    }
    if (engine.number(QStringLiteral("SITE_TYPE")) != 1) // 1: "Freeware Only"
        return true;
    const QString status = app.value(QStringLiteral("STATUS"));
    return status == QLatin1String("Freeware") || status == QLatin1String("Public Domain");
}

} // namespace RunRules
