#pragma once

#include "engines/SiteEngine.h"

#include <QString>
#include <optional>

class Session;
class TEngBuild;

// The site builder's commands on the current engine: pick, new, save, delete, default
// scripts, the site's web page and the field translations.
class SiteBuilderCommands {
public:
    explicit SiteBuilderCommands(Session& session);

    // Offers to save the engine shown first; false when the user cancelled.
    bool selectSite(int index);
    // The first site becomes current when none is, as opening the builder's page does.
    void makeFirstSiteCurrent();
    // Chooses the named site as a click in the list does; false, changing nothing, when the
    // site is not on the list or has no settings file.
    bool selectSiteNamed(const QString& site);
    // True when a site was created ("Contribute!" is then shown).
    bool NewSiteBtnClick();
    void SaveSiteBtnClick();
    void DeleteSiteBtnClick();
    // Replaces one script with its default file after a confirmation; true when replaced.
    bool loadDefaultScript(SiteEngine::Script script);
    // The site's own web page from its settings file, or nullopt after the message.
    std::optional<QString> siteWebUrl(const QString& site) const;
    // The dialog's closing values; a change marks the engine changed.
    void storeMatchUp(const std::vector<QString>& values);

private:
    // Makes the site current without asking; what the builder showed is dropped.
    void loadSite(int index);
    TEngBuild& engines() const;

    Session& m_session;
};
