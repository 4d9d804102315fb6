#pragma once

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

class TempWorkspace;

// Runs one of the built programs and collects what it printed.
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static CliRun shipkitCli(const QStringList& args);
    // shipkit-cli with --workspace set to a test workspace.
    static CliRun inWorkspace(const TempWorkspace& ws, const QStringList& args);
    // The same, with every file write past maxFileBytes failing as on a full disk.
    static CliRun withFileSizeLimit(const TempWorkspace& ws, qint64 maxFileBytes,
                                    const QStringList& args);
    static QString programPath(const QString& name);
};
