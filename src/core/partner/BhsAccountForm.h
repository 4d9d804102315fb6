#pragma once

#include <QByteArray>
#include <QString>
#include <array>

struct CompanyRecord;

// The partner site's new-account form: its fields with their limits, filled from the company,
// and the body the site takes.
class BhsAccountForm {
public:
    enum Field {
        Name,
        Address1,
        Address2,
        City,
        State,
        Zipcode,
        Phone,
        Email,
        FTPSite,
        WebSite,
        FieldCount
    };
    struct FieldInfo {
        const char* label;
        const char* control;
        int maxLength;
        const char* formName;
        bool required;
    };
    static const std::array<FieldInfo, FieldCount>& fields();

    // The company's details, each cut to its field's limit.
    static BhsAccountForm prefilled(const CompanyRecord& company);

    const QString& operator[](Field f) const { return m_values[f]; }
    void set(Field f, const QString& value);
    // Every required field holds something.
    bool complete() const;
    // An empty Address2 becomes one space, an empty FTP or web site "none", as the site wants.
    void fillBlanks();
    // name=...&Address1=...& ... &WebSite=...&add= Submit, each value encoded.
    QByteArray body() const;

    // The new account's identifier in the site's answer: what follows the first value=" up to
    // the next double quote; empty when the answer holds none.
    static QString newId(const QString& answer);

private:
    std::array<QString, FieldCount> m_values;
};
