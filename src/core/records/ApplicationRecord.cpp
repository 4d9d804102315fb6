#include "records/ApplicationRecord.h"

#include "records/IniSnapshot.h"
#include "records/TIniFile.h"

const std::vector<ApplicationRecord::Key>& ApplicationRecord::keys() {
    static const std::vector<Key> k = {{"FILENAME", "filename"},
                                       {"NAME", "AppName"},
                                       {"8CHAR", "char8name"},
                                       {"VERSION", "version"},
                                       {"DAY", "day"},
                                       {"MONTH", "month"},
                                       {"YEAR", "year"},
                                       {"PLATFORM", "platforms"},
                                       {"DSTATUS", "diststatus"},
                                       {"SIZE32", "bytesize32"},
                                       {"INSTSIZE32", "instsize32"},
                                       {"SIZE16", "bytesize16"},
                                       {"INSTSIZE16", "instsize16"},
                                       {"PRICE", "price"},
                                       {"STATUS", "status"},
                                       {"EVAL", "eval"},
                                       {"XDATE", "expiredate"},
                                       {"XDAYS", "expireafter"},
                                       {"installer", "installer"},
                                       {"APPURL", "appurl"},
                                       {"DL1_32", "dl1_32"},
                                       {"DL2_32", "dl2_32"},
                                       {"DL3_32", "dl3_32"},
                                       {"DL4_32", "dl4_32"},
                                       {"DL1_16", "dl1_16"},
                                       {"DL2_16", "dl2_16"},
                                       {"DL3_16", "dl3_16"},
                                       {"DL4_16", "dl4_16"},
                                       {"SHOT", "screenshot"},
                                       {"GIF", "URLGifEdit"},
                                       {"ICO", "URLIcoEdit"},
                                       {"PATH", "localpath"},
                                       {"ICOPATH", "IcoFileEdit"},
                                       {"GIFPATH", "GifFileEdit"},
                                       {"SCREENPATH", "ScreenShotEdit"},
                                       {"OTHERPATH", "OtherFileEdit"},
                                       {"SHORTDESC", "shortdesc"},
                                       {"SPECREQ", "specreq"}};
    return k;
}

int ApplicationRecord::indexOf(const QString& key) {
    const auto& k = keys();
    for (size_t i = 0; i < k.size(); ++i)
        if (k[i].name == key)
            return static_cast<int>(i);
    return -1;
}

QString ApplicationRecord::value(const QString& key) const {
    const int i = indexOf(key);
    return i < 0 ? QString() : values[i];
}

void ApplicationRecord::setValue(const QString& key, const QString& value) {
    const int i = indexOf(key);
    if (i >= 0)
        values[i] = value;
}

namespace {

// Special requirements show "None" until an application says otherwise.
QString defaultOf(const QString& key) {
    return key == QLatin1String("SPECREQ") ? QStringLiteral("None") : QString();
}

} // namespace

ApplicationRecord ApplicationRecord::read(const IniSnapshot& file) {
    ApplicationRecord r;
    const auto& k = keys();
    for (size_t i = 0; i < k.size(); ++i)
        if (k[i].name != QLatin1String("NAME"))
            r.values[i] = file.ReadKey(Section, k[i].name, defaultOf(k[i].name));
    return r;
}

void ApplicationRecord::write(const TIniFile& file, const QString& name) const {
    const auto& k = keys();
    TIniFile::KeyValues pairs;
    for (size_t i = 0; i < k.size(); ++i)
        pairs.emplace_back(k[i].name, k[i].name == QLatin1String("NAME") ? name : values[i]);
    file.WriteKeys(Section, pairs);
}
