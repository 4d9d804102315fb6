#pragma once

#include <QString>
#include <zip.h>

// What extraction does with one entry: a plain file lands flat under the last part of its name;
// folders, links, devices and names that leave no file name are passed over with the reason.
class ZipEntryRule {
public:
    enum class Verdict { Write, Folder, Refuse };

    static ZipEntryRule judge(const QString& name, zip_uint8_t system, zip_uint32_t attributes);

    Verdict verdict() const { return m_verdict; }
    const QString& flatName() const { return m_flatName; }
    const QString& why() const { return m_why; }

private:
    ZipEntryRule(Verdict verdict, const QString& flatName, const QString& why)
        : m_verdict(verdict), m_flatName(flatName), m_why(why) {}

    Verdict m_verdict;
    QString m_flatName;
    QString m_why;
};
