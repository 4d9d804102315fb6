#pragma once

#include <QString>

struct ApplicationRecord;
struct SiteEngine;

// What one attempt sends, worked out from the engine and the application before any file is
// touched: the application's file as it is, packed into a new zip, or a copy of its zip, and
// the name it gets under the remote path.
struct FtpUploadPlan {
    enum class Branch {
        AsItIs,  // the file itself, under its published name or the 8-character name
        Pack,    // packed into files/ + sentName
        CopyZip, // already a zip: copied to files/ + sentName
    };

    Branch branch = Branch::AsItIs;
    QString source;           // the application's file (localpath)
    QString sendPath;         // the local file that goes out
    QString sentName;         // its name under the remote path
    bool includeText = false; // "Include in Zip": the added text goes into the zip
    QString problem;          // a name that breaks the name rule: nothing may be done

    static FtpUploadPlan make(const SiteEngine& engine, const ApplicationRecord& app,
                              const QString& filesDir);

private:
    void planAsItIs(bool use8x3, const ApplicationRecord& app);
    void planPack(bool use8x3, const ApplicationRecord& app, const QString& filesDir);
    void planCopy(const QString& filesDir);
    bool nameIsUsable(const QString& name);
};
