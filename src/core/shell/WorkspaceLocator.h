#pragma once

#include <QString>

// Finds ProgramDir: --workspace when given, else the executable's folder when it may be
// written (a portable install), else the per-user data folder.
class WorkspaceLocator {
public:
    // What the caller will do with a folder named by --workspace.
    enum class Access {
        Read,  // it must exist; it may be read-only
        Write, // it must exist and may be written
        Create // as Write, but a missing folder (and only it) is created
    };
    struct Result {
        QString programDir; // empty on failure
        QString error;
    };

    static Result locate(const QString& workspaceOption, const QString& executableDir,
                         Access access = Access::Create);
    // Checks a folder named by --workspace for the access asked.
    static Result checkExplicit(const QString& dir, Access access = Access::Create);
};
