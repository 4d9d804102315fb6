#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// A record file: sections of key=value lines, read and written one key at a time.
// Keeps nothing but its path, so every object on the same path sees a write at once.
class TIniFile {
public:
    static constexpr int MaxValueLength = 1023;

    explicit TIniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    QString ReadKey(const QString& section, const QString& key, const QString& def) const;
    int ReadKeyInt(const QString& section, const QString& key, int def) const;
    bool ReadKeyFlag(const QString& section, const QString& key, bool def) const;

    using KeyValues = std::vector<std::pair<QString, QString>>;

    void WriteKey(const QString& section, const QString& key, const QString& value) const;
    // Several keys of one section, each placed as WriteKey would, in one write of the file.
    void WriteKeys(const QString& section, const KeyValues& pairs) const;
    void WriteKeyInt(const QString& section, const QString& key, int value) const;
    void WriteKeyFlag(const QString& section, const QString& key, bool value) const;

private:
    QString m_path;
};
