#pragma once

#include <QString>
#include <QStringList>

// The download and unpack area, sites/updates/: emptied before and after every update, so
// what lies there is always what the update at hand put there.
class UpdateFolder {
public:
    explicit UpdateFolder(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    // Deletes every file and link in it; a file that cannot go is left for the next clean.
    void clean() const;
    // The plain files in it, by name.
    QStringList files() const;

private:
    QString m_path;
};
