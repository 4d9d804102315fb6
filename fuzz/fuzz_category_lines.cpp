// A category file: the labels shown for a site are its file's lines, one each, and the value
// and the label of a line are cut from it.
#include "FuzzSupport.h"
#include "engines/TEngBuild.h"
#include "engines/TIniSites.h"
#include "records/ApplicationRecord.h"
#include "records/ListFile.h"
#include "submit/AppSiteList.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Workspace& workspace = FuzzSupport::workspace();
    static const TIniSites sites(workspace.SitesDir);
    static const TEngBuild engines(workspace, sites);
    static const ApplicationRecord app;
    const int list = size > 0 && (data[0] & 1) ? 2 : 1;
    const QString path = engines.categoryPath(QStringLiteral("Site"), list);
    FuzzSupport::writeFile(path, FuzzSupport::bytesOf(data, size));
    const QStringList lines = LoadList(path);
    const QStringList labels =
        AppSiteList(workspace, app).categoryLabels(engines, QStringLiteral("Site"), list);
    FuzzSupport::check(labels.size() == lines.size(), "not one label for every line");
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString value = TEngBuild::CategoryValue(lines[i]);
        FuzzSupport::check(lines[i].startsWith(value), "a value is not the start of its line");
        FuzzSupport::check(lines[i].endsWith(labels[i]), "a label is not the end of its line");
        FuzzSupport::check(labels[i] == TEngBuild::CategoryDisplay(lines[i]),
                           "a label differs from its line's display text");
    }
    return 0;
}
