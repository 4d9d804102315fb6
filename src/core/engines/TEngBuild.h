#pragma once

#include <QStringList>

class TIniSites;

// Owns the site engines: their lists now, their files and the current engine as they arrive.
class TEngBuild {
public:
    explicit TEngBuild(const TIniSites& sites);

    // Built-in plus user names, sorted without regard to case; a name in both lists is twice.
    void LoadEngineList();
    const QStringList& engineList() const { return m_engines; }

private:
    const TIniSites& m_sites;
    QStringList m_engines;
};
