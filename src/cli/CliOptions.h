#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

// The global options before the command, and the command's own words after it.
struct CliOptions {
    QString workspace;
    std::optional<QDateTime> now;
    bool help = false;
    bool version = false;
    QString command;
    QStringList args;  // everything after the command
    QString error;     // bad usage when not empty
    QStringList words; // the command's plain words, once its syntax sorted them
    QStringList flags;
    QList<std::pair<QString, QString>> values;

    static CliOptions parse(const QStringList& arguments);
    // The (first) value of a valued option; nullopt when it was not given.
    std::optional<QString> option(const QString& name) const;
    // Every value of a repeatable option, in the order given.
    QStringList optionValues(const QString& name) const;
    bool flag(const QString& name) const { return flags.contains(name); }
};
