#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class TEngBuild;

// Replaces one text by another in every script file of every engine.
class MassChange {
public:
    struct Outcome {
        int written = 0;
        // Files left as they were, each with why: "<path>: contains a NUL byte; not changed".
        QStringList untouched;
    };

    // "Replace" goes ahead only for a From text that is not empty and differs from To.
    static bool confirmed(const QString& from, const QString& to);
    // Every occurrence, going on after each inserted text so a To holding From still ends;
    // the number of replacements made.
    static int replaceIn(QString& text, const QString& from, const QString& to);
    // Rewrites each file in which something changed. Every file to rewrite is read and checked
    // first: when one cannot be written, ShipkitError names it and no file changes. A write
    // that still fails raises ShipkitError naming the file and the reason.
    static Outcome replaceAll(const TEngBuild& engines, const QString& from, const QString& to);

    struct Plan {
        QStringList paths; // the files replaceAll would rewrite, in its order
        QStringList untouched;
    };
    // What replaceAll would do, with the same checks, writing nothing.
    static Plan preview(const TEngBuild& engines, const QString& from, const QString& to);

private:
    struct Edit {
        QString path;
        QStringList lines;
    };
    static std::vector<Edit> plan(const TEngBuild& engines, const QString& from, const QString& to,
                                  Outcome& outcome);
    static void checkWritable(const QString& path);
};
