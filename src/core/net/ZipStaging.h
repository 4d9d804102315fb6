#pragma once

#include <QString>
#include <QTemporaryDir>
#include <utility>
#include <vector>

// Extracted files wait in a private folder inside the target and move into place only when every
// one of them was written: a failure part-way leaves the target as it was.
class ZipStaging {
public:
    // Creates the target folder when it is missing.
    explicit ZipStaging(const QString& targetDir);

    // Where to write the file that will become flatName in the target.
    QString stage(const QString& flatName);
    // Renames every staged file over its final name, replacing what was there.
    void commit();

private:
    QString m_target;
    QTemporaryDir m_dir;
    std::vector<std::pair<QString, QString>> m_moves;
};
