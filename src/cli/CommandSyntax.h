#pragma once

#include "CliOptions.h"

#include <QString>
#include <QStringList>

// What a command accepts after its name, checked before the workspace is opened so a usage
// error never waits for the lock or touches a file.
struct CommandSyntax {
    QStringList valued;     // options followed by a value, such as "--company"
    QStringList flags;      // options standing alone, such as "--check"
    QStringList repeatable; // valued options that may be given more than once
    int minWords = 0;       // plain words, such as "show NAME"
    int maxWords = 0;
    QString form; // the command's words as the help shows them, for a missing word

    // nullptr for a command that does not exist.
    static const CommandSyntax* of(const QString& command);
    // Sorts the command's arguments into options, flags and plain words ("--" ends the
    // options, so a word may start with "--"). Empty when they fit; otherwise the problem,
    // naming the word at fault.
    QString sort(CliOptions& options) const;
};
