#include "records/CompanyRecord.h"

#include "records/IniSnapshot.h"
#include "records/TIniFile.h"

const std::array<QString, CompanyRecord::FieldCount>& CompanyRecord::keys() {
    static const std::array<QString, FieldCount> k = {
        "CONAME", "BHSID", "CONTACT", "CTITLE", "CEMAIL",   "CPHONE", "CFAX",
        "CADDR",  "CCITY", "CSTATE",  "CZIP",   "CCOUNTRY", "CURL",   "CCMAIL"};
    return k;
}

const std::array<QString, CompanyRecord::FieldCount>& CompanyRecord::controls() {
    static const std::array<QString, FieldCount> c = {
        "compname", "",        "conname",  "contitle", "conmail",    "conphone", "confax",
        "conaddr",  "concity", "constate", "conzip",   "concountry", "pubpage",  "pubmail"};
    return c;
}

CompanyRecord CompanyRecord::read(const IniSnapshot& file) {
    CompanyRecord r;
    for (int f = 0; f < FieldCount; ++f)
        r.values[f] = file.ReadKey(Section, keys()[f], QString());
    return r;
}

void CompanyRecord::write(const TIniFile& file) const {
    TIniFile::KeyValues pairs;
    for (int f = 0; f < FieldCount; ++f)
        pairs.emplace_back(keys()[f], values[f]);
    file.WriteKeys(Section, pairs);
}
