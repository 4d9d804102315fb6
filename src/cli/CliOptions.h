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
    QStringList args;
    QString error; // bad usage when not empty

    static CliOptions parse(const QStringList& arguments);
    // The value after "--name" among the command's words; nullopt when absent or last.
    std::optional<QString> option(const QString& name) const;
};
