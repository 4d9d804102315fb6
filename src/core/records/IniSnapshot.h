#pragma once

#include <QString>

// A record file read once: for code that reads many keys of one file in a row. A file that
// cannot be opened reads as missing; one that is not a regular file raises ShipkitError.
class IniSnapshot {
public:
    explicit IniSnapshot(const QString& path);

    bool exists() const { return m_exists; }
    bool HasKey(const QString& section, const QString& key) const;
    QString ReadKey(const QString& section, const QString& key, const QString& def) const;
    int ReadKeyInt(const QString& section, const QString& key, int def) const;
    bool ReadKeyFlag(const QString& section, const QString& key, bool def) const;

private:
    QString m_text;
    bool m_exists = false;
};
