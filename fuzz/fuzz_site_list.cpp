// An application's stored site list merged into the rows of the engines: the rows stay the
// engines' rows, and a saved list loads back to the same rows.
#include "FuzzSupport.h"
#include "engines/TEngBuild.h"
#include "engines/TIniSites.h"
#include "records/ApplicationRecord.h"
#include "submit/AppSiteList.h"

namespace {

const QStringList kSites{QStringLiteral("Alpha"), QStringLiteral("Beta")};

const TEngBuild& engines() {
    static const TIniSites sites(FuzzSupport::workspace().SitesDir);
    static TEngBuild built(FuzzSupport::workspace(), sites);
    static const bool loaded = [] {
        FuzzSupport::writeFile(sites.builtInPath(), "Beta\r\nAlpha\r\n");
        FuzzSupport::writeFile(built.settingsPath(QStringLiteral("Alpha")),
                               "[SETTINGS]\r\nUSE_CAT1=1\r\nSITE_SYSTEM=1\r\n");
        FuzzSupport::writeFile(built.settingsPath(QStringLiteral("Beta")),
                               "[SETTINGS]\r\nUSE_CAT2=1\r\nUSE_EMAIL=1\r\n");
        QuietPrompter prompter;
        built.LoadSiteLists(prompter);
        return true;
    }();
    Q_UNUSED(loaded)
    return built;
}

bool savable(const std::vector<AppSiteEntry>& rows) {
    for (const AppSiteEntry& row : rows)
        for (const QString& column : row.columns())
            if (!column.isValidUtf16())
                return false; // a broken UTF-16 pair cannot be written as UTF-8
    return true;
}

bool sameRows(const std::vector<AppSiteEntry>& a, const std::vector<AppSiteEntry>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].site != b[i].site || a[i].columns() != b[i].columns())
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ApplicationRecord app;
    AppSiteList list(FuzzSupport::workspace(), app);
    list.setReadOnly(true);
    FuzzSupport::writeFile(list.path(QStringLiteral("App")), FuzzSupport::bytesOf(data, size));
    list.LoadSiteList(engines(), QStringLiteral("App"));
    const std::vector<AppSiteEntry>& rows = list.rows();
    FuzzSupport::check(rows.size() == 2, "the rows are not the engines' rows");
    for (size_t i = 0; i < rows.size(); ++i)
        FuzzSupport::check(rows[i].site == kSites[static_cast<qsizetype>(i)],
                           "a row names another site");
    if (!savable(rows))
        return 0;
    AppSiteList writer(FuzzSupport::workspace(), app);
    writer.LoadSiteList(engines(), QStringLiteral("App")); // saves what it loaded
    AppSiteList reader(FuzzSupport::workspace(), app);
    reader.setReadOnly(true);
    reader.LoadSiteList(engines(), QStringLiteral("App"));
    FuzzSupport::check(sameRows(reader.rows(), rows), "a saved site list loads back differently");
    return 0;
}
