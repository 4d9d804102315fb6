#pragma once

#include <QString>
#include <vector>

struct SiteEngine;

// The 18 fixed texts of the application page and how each site words them.
namespace MatchUp {

struct Entry {
    QString fixedText;
    QString key;     // settings key
    QString control; // edit box of the "Field Translations" dialog
    int group;       // 0 platform, 1 submitted by, 2 status, 3 install support
};

const std::vector<Entry>& entries();

// The values the dialog opens with: the engine's own when the three Windows 95 / NT values
// are all set, otherwise every fixed text.
std::vector<QString> openingValues(const SiteEngine& engine);
void store(SiteEngine& engine, const std::vector<QString>& values);
void resetToFixedTexts(SiteEngine& engine);

// The site's word for an application's text in one group; the text itself when the site
// has none or the text is not a fixed one.
QString translate(const SiteEngine& engine, int group, const QString& appText);

} // namespace MatchUp
