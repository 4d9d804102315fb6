// A record file read once: every key a reader asks for agrees with the others about the value.
#include "FuzzSupport.h"
#include "base/ShipkitError.h"
#include "records/IniSnapshot.h"
#include "records/IniText.h"
#include "records/TIniFile.h"

#include <array>

namespace {

struct Probe {
    const char* section;
    const char* key;
};

const std::array<Probe, 5> kProbes{{{"APPINFO", "NAME"},
                                    {"SETTINGS", "SITE_TYPE"},
                                    {"SETTINGS", "USE_CAT1"},
                                    {"COMPANY", "CONAME"},
                                    {"", ""}}};

void probe(const IniSnapshot& ini, const Probe& p) {
    const QString section = QString::fromLatin1(p.section);
    const QString key = QString::fromLatin1(p.key);
    const QString marker = QStringLiteral("\x01missing");
    const QString value = ini.ReadKey(section, key, marker);
    if (!ini.HasKey(section, key))
        FuzzSupport::check(value == marker, "a missing key did not give the default");
    FuzzSupport::check(value == marker || value.size() <= TIniFile::MaxValueLength,
                       "a value is longer than a record value may be");
    int parsed = 0;
    const bool isNumber = value != marker && IniText::parseInt(value, parsed);
    const int number = ini.ReadKeyInt(section, key, -7);
    FuzzSupport::check(number == (isNumber ? parsed : -7),
                       "ReadKeyInt disagrees with the value's text");
    FuzzSupport::check(ini.ReadKeyFlag(section, key, false) == (isNumber && parsed != 0),
                       "ReadKeyFlag disagrees with ReadKeyInt");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::scratchDir() + QStringLiteral("record.ini");
    FuzzSupport::writeFile(path, FuzzSupport::bytesOf(data, size));
    const IniSnapshot ini(path);
    FuzzSupport::check(ini.exists(), "a written record reads as missing");
    for (const Probe& p : kProbes)
        probe(ini, p);
    return 0;
}
