#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class IniSnapshot;
class TIniFile;

// One download site's definition: its settings, two category lists and five scripts.
// Settings are held as the text a save writes (integers normalised, flags "1"/"0").
struct SiteEngine {
    enum class Kind { Int, Flag, Text };
    struct Key {
        QString name;
        Kind kind;
        QString def;
    };
    enum Script { HttpNew, HttpUpdate, FtpNew, EmailNew, EmailUpdate, ScriptCount };
    enum class AddedText { None, AddToUpload, IncludeInZip, Both };
    static constexpr const char* Section = "SETTINGS";

    // The settings keys in save order.
    static const std::vector<Key>& keys();
    static int indexOf(const QString& key);
    // The name suffix of each script file (" HTTP_NEW" ...).
    static const std::array<QString, ScriptCount>& scriptSuffixes();

    QString name;
    std::vector<QString> values = defaultValues();
    QString cat1; // category editor texts, lines separated by CR LF
    QString cat2;
    std::array<QString, ScriptCount> scripts;

    QString text(const QString& key) const;
    bool flag(const QString& key) const;
    int number(const QString& key) const;
    void set(const QString& key, const QString& value);
    void setFlag(const QString& key, bool on);

    AddedText addedText() const;
    void setAddedText(AddedText choice);

    // Reads every key; a missing key keeps its default, odd integers take their meaning.
    void readSettings(const IniSnapshot& file);
    void writeSettings(const TIniFile& file) const;

    // FTP_TLS and FTP_PASSIVE: kept apart from keys(), since a file holds them only when set,
    // and "engine show" lists them after the others.
    QStringList transportLines() const;

    bool ftpTls = false;     // AUTH TLS, PBSZ 0, PROT P; data over TLS too
    bool ftpPassive = false; // PASV data connections

    bool operator==(const SiteEngine&) const = default;

private:
    static std::vector<QString> defaultValues();
    // FTP_TLS and FTP_PASSIVE also go through text(), set() and the flags.
    const bool* transportFlag(const QString& key) const;
    bool* transportFlag(const QString& key);
};
