#pragma once

#include <QString>

// One failing script file in the engine checker's list.
struct EngineCheckEntry {
    static constexpr char16_t Separator = u'\u00B1';

    QString site;
    QString error; // "Error! -> [NAME]"
    QString path;  // full path of the script file

    static EngineCheckEntry of(const QString& site, const QString& errorName, const QString& path) {
        return {site, QStringLiteral("Error! -> [") + errorName + u']', path};
    }
    // The list line, columns separated by "±".
    QString line() const { return site + Separator + error + Separator + path; }
};
