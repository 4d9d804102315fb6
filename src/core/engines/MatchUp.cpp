#include "engines/MatchUp.h"

#include "engines/SiteEngine.h"

namespace MatchUp {

const std::vector<Entry>& entries() {
    static const std::vector<Entry> e = {
        {"Windows 3.1", "MUF_Windows31", "Windows31Edit", 0},
        {"Windows 95", "MUF_Windows95", "Windows95Edit", 0},
        {"Windows NT", "MUF_WindowsNT", "WindowsNTEdit", 0},
        {"Windows 95 and NT", "MUF_Windows95NT", "Windows95NTEdit", 0},
        {"Author", "MUF_Author", "AuthorEdit", 1},
        {"Distributor", "MUF_Distributor", "DistributorEdit", 1},
        {"Dealer", "MUF_Dealer", "DealerEdit", 1},
        {"User", "MUF_User", "UserEdit", 1},
        {"Feature Limit Demo", "MUF_FeatureLimitDemo", "FeatureLimitDemoEdit", 2},
        {"Time Limit Demo", "MUF_TimeLimitDemo", "TimeLimitDemoEdit", 2},
        {"Public Domain", "MUF_PublicDomain", "PublicDomainEdit", 2},
        {"Freeware", "MUF_Freeware", "FreewareEdit", 2},
        {"Shareware", "MUF_Shareware", "SharewareEdit", 2},
        {"Beta", "MUF_Beta", "BetaEdit", 2},
        {"No Install Feature", "MUF_NoInstallFeature", "NoInstallFeatureEdit", 3},
        {"Install Feature Only", "MUF_InstallFeatureOnly", "InstallFeatureOnlyEdit", 3},
        {"Uninstall Feature Only", "MUF_UnInstallFeatureOnly", "UnInstallFeatureOnlyEdit", 3},
        {"Install/Uninstall", "MUF_InstallUninstall", "InstallUninstallEdit", 3}};
    return e;
}

std::vector<QString> openingValues(const SiteEngine& engine) {
    const bool own = !engine.text("MUF_Windows95").isEmpty() &&
                     !engine.text("MUF_WindowsNT").isEmpty() &&
                     !engine.text("MUF_Windows95NT").isEmpty();
    std::vector<QString> values;
    for (const Entry& e : entries())
        values.push_back(own ? engine.text(e.key) : e.fixedText);
    return values;
}

void store(SiteEngine& engine, const std::vector<QString>& values) {
    for (size_t i = 0; i < entries().size() && i < values.size(); ++i)
        engine.set(entries()[i].key, values[i]);
}

void resetToFixedTexts(SiteEngine& engine) {
    for (const Entry& e : entries())
        engine.set(e.key, e.fixedText);
}

QString translate(const SiteEngine& engine, int group, const QString& appText) {
    for (const Entry& e : entries()) {
        if (e.group == group && e.fixedText == appText) {
            const QString value = engine.text(e.key);
            return value.isEmpty() ? appText : value;
        }
    }
    return appText;
}

} // namespace MatchUp
