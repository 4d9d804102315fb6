#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class IniSnapshot;
class TIniFile;

// The "APPINFO" section of an application's record file, with its two text files.
struct ApplicationRecord {
    struct Key {
        QString name;    // key in the record file
        QString control; // the page field that shows it
    };
    static constexpr const char* Section = "APPINFO";
    // Keys in write order; "NAME" is written from the selector and never read back.
    static const std::vector<Key>& keys();
    static int indexOf(const QString& key);

    std::vector<QString> values = std::vector<QString>(keys().size());
    QString longDescription; // ".lds"
    QString notes;           // ".nts"

    QString value(const QString& key) const;
    void setValue(const QString& key, const QString& value);

    // Every key but "NAME" from a record read once; text files are not touched here.
    static ApplicationRecord read(const IniSnapshot& file);
    void write(const TIniFile& file, const QString& name) const;

    bool operator==(const ApplicationRecord&) const = default;
};
