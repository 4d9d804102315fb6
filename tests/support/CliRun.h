#pragma once

#include <QByteArray>
#include <QStringList>

// Runs one of the built programs and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static CliRun shipkitCli(const QStringList& args);
    static QString programPath(const QString& name);
};
