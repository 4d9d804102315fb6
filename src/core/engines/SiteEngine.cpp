#include "engines/SiteEngine.h"

#include "engines/MatchUp.h"
#include "records/IniSnapshot.h"
#include "records/TIniFile.h"

#include <utility>

namespace {

using Kind = SiteEngine::Kind;

std::vector<SiteEngine::Key> buildKeys() {
    std::vector<SiteEngine::Key> k = {
        {"BYTE_FORMAT", Kind::Int, "1"},         {"SITES_WEB_URL", Kind::Text, ""},
        {"USE_CAT1", Kind::Flag, "0"},           {"USE_CAT2", Kind::Flag, "0"},
        {"SITE_TYPE", Kind::Int, "2"},           {"SITE_SYSTEM", Kind::Int, "3"},
        {"USE_HTTP_POST", Kind::Flag, "0"},      {"HTTP_POST_TYPE", Kind::Int, "1"},
        {"HTTP_NEW_SCRIPT_URL", Kind::Text, ""}, {"HTTP_UPDATE_SCRIPT_URL", Kind::Text, ""}};
    for (const MatchUp::Entry& e : MatchUp::entries())
        k.push_back({e.key, Kind::Text, e.fixedText});
    const std::vector<SiteEngine::Key> rest = {
        {"USE_FTP_UPLOAD", Kind::Flag, "0"},     {"USE_ZIP_FILE", Kind::Flag, "0"},
        {"USE_8X3_FILENAME", Kind::Flag, "0"},   {"FTP_SERVER", Kind::Text, ""},
        {"LOGIN_NAME", Kind::Text, ""},          {"REMOTE_PATH", Kind::Text, ""},
        {"LOGIN_PASSWORD", Kind::Text, ""},      {"ADD_FILE_TO_ZIP", Kind::Flag, "1"},
        {"INCLUDE_IN_ZIP", Kind::Flag, "0"},     {"ADDED_TEXT_BOTH", Kind::Flag, "0"},
        {"FTP_FILENAME", Kind::Text, ""},        {"USE_EMAIL", Kind::Flag, "0"},
        {"EMAIL_SEND_COPY", Kind::Flag, "0"},    {"EMAIL_ATTACH_GIF", Kind::Flag, "0"},
        {"EMAIL_ATTACH_ICO", Kind::Flag, "0"},   {"EMAIL_ATTACH_SCREEN", Kind::Flag, "0"},
        {"EMAIL_ATTACH_OTHER", Kind::Flag, "0"}, {"EMAIL_ATTACH_APPLICATION", Kind::Flag, "0"},
        {"EMAIL_TONAME", Kind::Text, ""},        {"EMAIL_SUBJECT", Kind::Text, ""},
        {"EMAIL_TONAME_UPDATE", Kind::Text, ""}, {"EMAIL_SUBJECT_UPDATE", Kind::Text, ""}};
    k.insert(k.end(), rest.begin(), rest.end());
    return k;
}

// The integer keys and the values each may hold; anything else means the default.
bool allowed(const QString& key, int value) {
    if (key == QLatin1String("SITE_TYPE") || key == QLatin1String("HTTP_POST_TYPE"))
        return value == 1 || value == 2;
    return value >= 1 && value <= 3;
}

const QString kOne = QStringLiteral("1");
const QString kZero = QStringLiteral("0");

} // namespace

const std::vector<SiteEngine::Key>& SiteEngine::keys() {
    static const std::vector<Key> k = buildKeys();
    return k;
}

int SiteEngine::indexOf(const QString& key) {
    const auto& k = keys();
    for (size_t i = 0; i < k.size(); ++i)
        if (k[i].name == key)
            return static_cast<int>(i);
    return -1;
}

const std::array<QString, SiteEngine::ScriptCount>& SiteEngine::scriptSuffixes() {
    static const std::array<QString, ScriptCount> s = {" HTTP_NEW", " HTTP_UPDATE", " FTP_NEW",
                                                       " EMAIL_NEW", " EMAIL_UPDATE"};
    return s;
}

std::vector<QString> SiteEngine::defaultValues() {
    std::vector<QString> v;
    for (const Key& k : keys())
        v.push_back(k.def);
    return v;
}

QString SiteEngine::text(const QString& key) const {
    if (const bool* on = transportFlag(key))
        return *on ? kOne : kZero;
    const int i = indexOf(key);
    return i < 0 ? QString() : values[i];
}

const bool* SiteEngine::transportFlag(const QString& key) const {
    if (key == QLatin1String("FTP_TLS"))
        return &ftpTls;
    return key == QLatin1String("FTP_PASSIVE") ? &ftpPassive : nullptr;
}

bool* SiteEngine::transportFlag(const QString& key) {
    return const_cast<bool*>(std::as_const(*this).transportFlag(key));
}

bool SiteEngine::flag(const QString& key) const {
    return text(key) == kOne;
}

int SiteEngine::number(const QString& key) const {
    return text(key).toInt();
}

void SiteEngine::set(const QString& key, const QString& value) {
    if (bool* on = transportFlag(key)) {
        *on = value == kOne;
        return;
    }
    const int i = indexOf(key);
    if (i >= 0)
        values[i] = value;
}

void SiteEngine::setFlag(const QString& key, bool on) {
    set(key, on ? kOne : kZero);
}

SiteEngine::AddedText SiteEngine::addedText() const {
    if (flag("ADDED_TEXT_BOTH"))
        return AddedText::Both;
    if (flag("INCLUDE_IN_ZIP"))
        return AddedText::IncludeInZip;
    return flag("ADD_FILE_TO_ZIP") ? AddedText::AddToUpload : AddedText::None;
}

void SiteEngine::setAddedText(AddedText choice) {
    setFlag("ADD_FILE_TO_ZIP", choice == AddedText::AddToUpload);
    setFlag("INCLUDE_IN_ZIP", choice == AddedText::IncludeInZip);
    setFlag("ADDED_TEXT_BOTH", choice == AddedText::Both);
}

void SiteEngine::readSettings(const IniSnapshot& file) {
    AddedText added = AddedText::AddToUpload;
    for (size_t i = 0; i < keys().size(); ++i) {
        const Key& k = keys()[i];
        if (!file.HasKey(Section, k.name))
            continue;
        if (k.kind == Kind::Text) {
            values[i] = file.ReadKey(Section, k.name, k.def);
        } else if (k.kind == Kind::Flag) {
            values[i] = file.ReadKeyFlag(Section, k.name, false) ? kOne : kZero;
        } else {
            const int n = file.ReadKeyInt(Section, k.name, k.def.toInt());
            values[i] = QString::number(allowed(k.name, n) ? n : k.def.toInt());
        }
        // The three added-text keys are one choice: applied in order, the last one set wins.
        if (k.name == QLatin1String("ADD_FILE_TO_ZIP"))
            added = values[i] == kOne ? AddedText::AddToUpload : AddedText::None;
        else if (k.name == QLatin1String("INCLUDE_IN_ZIP") && values[i] == kOne)
            added = AddedText::IncludeInZip;
        else if (k.name == QLatin1String("ADDED_TEXT_BOTH") && values[i] == kOne)
            added = AddedText::Both;
    }
    setAddedText(added);
    ftpTls = file.ReadKeyFlag(Section, QStringLiteral("FTP_TLS"), false);
    ftpPassive = file.ReadKeyFlag(Section, QStringLiteral("FTP_PASSIVE"), false);
}

QStringList SiteEngine::transportLines() const {
    QStringList lines;
    if (ftpTls)
        lines << QStringLiteral("FTP_TLS=1");
    if (ftpPassive)
        lines << QStringLiteral("FTP_PASSIVE=1");
    return lines;
}

void SiteEngine::writeSettings(const TIniFile& file) const {
    TIniFile::KeyValues pairs;
    for (size_t i = 0; i < keys().size(); ++i)
        pairs.emplace_back(keys()[i].name, values[i]);
    // Written once set, and cleared in a file that has them, so other files keep their bytes.
    for (const auto& [key, on] : {std::pair{QStringLiteral("FTP_TLS"), ftpTls},
                                  std::pair{QStringLiteral("FTP_PASSIVE"), ftpPassive}})
        if (on || !file.ReadKey(Section, key, QString()).isEmpty())
            pairs.emplace_back(key, on ? kOne : kZero);
    file.WriteKeys(Section, pairs);
}
