#pragma once

#include <QString>

// The two engine list files: the delivered engines and the ones the user built.
class TIniSites {
public:
    explicit TIniSites(const QString& sitesDir)
        : m_builtIn(sitesDir + QStringLiteral("Sites.dat")),
          m_user(sitesDir + QStringLiteral("User_Sites.dat")) {}

    const QString& builtInPath() const { return m_builtIn; }
    const QString& userPath() const { return m_user; }

private:
    QString m_builtIn;
    QString m_user;
};
