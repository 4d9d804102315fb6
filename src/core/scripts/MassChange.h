#pragma once

#include <QString>

class TEngBuild;

// Replaces one text by another in every script file of every engine.
class MassChange {
public:
    // "Replace" goes ahead only for a From text that is not empty and differs from To.
    static bool confirmed(const QString& from, const QString& to);
    // Every occurrence, going on after each inserted text so a To holding From still ends;
    // the number of replacements made.
    static int replaceIn(QString& text, const QString& from, const QString& to);
    // The files written, each only when something in it changed; raises "Cannot create
    // file %s" when one cannot be written.
    static int replaceAll(const TEngBuild& engines, const QString& from, const QString& to);
};
