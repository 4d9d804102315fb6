#pragma once

#include <QString>
#include <array>

class IniSnapshot;
class TIniFile;

// The "COMPANY" section: the company's own record file and the copy in each application file.
struct CompanyRecord {
    enum Field {
        CONAME,
        BHSID,
        CONTACT,
        CTITLE,
        CEMAIL,
        CPHONE,
        CFAX,
        CADDR,
        CCITY,
        CSTATE,
        CZIP,
        CCOUNTRY,
        CURL,
        CCMAIL,
        FieldCount
    };
    static constexpr const char* Section = "COMPANY";
    // Keys in write order.
    static const std::array<QString, FieldCount>& keys();
    // The page control that shows each field (empty for BHSID, which has none).
    static const std::array<QString, FieldCount>& controls();

    std::array<QString, FieldCount> values;

    QString& operator[](Field f) { return values[f]; }
    const QString& operator[](Field f) const { return values[f]; }

    // Every key from a record read once.
    static CompanyRecord read(const IniSnapshot& file);
    void write(const TIniFile& file) const;
};
