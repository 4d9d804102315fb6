#pragma once

#include <QString>

// Finds ProgramDir: --workspace when given, else the executable's folder when it may be
// written (a portable install), else the per-user data folder.
class WorkspaceLocator {
public:
    struct Result {
        QString programDir; // empty on failure
        QString error;
    };

    static Result locate(const QString& workspaceOption, const QString& executableDir);
    // Checks a folder named by --workspace; creates it (and only it) when missing.
    static Result checkExplicit(const QString& dir);
};
