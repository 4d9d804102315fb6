#pragma once

#include "net/EZipError.h"
#include "net/ZipReport.h"

#include <QString>
#include <QStringList>
#include <vector>
#include <zip.h>

class ZipArchive;

// The entries an extraction will write, chosen and checked before a byte is written: an archive
// built to fill the disk is refused whole, and entries that are no plain file are passed over.
class ZipExtractPlan {
public:
    static constexpr zip_uint64_t MaxEntries = 10000;
    static constexpr qint64 MaxTotalBytes = 512LL << 20;
    static constexpr zip_uint64_t MaxRatio = 1000;

    struct Entry {
        zip_uint64_t index;
        QString name;
        QString flatName;
        qint64 size;
    };

    // wanted: entry names (whole or flat) to extract; empty means all.
    ZipExtractPlan(const ZipArchive& archive, const QStringList& wanted, const ZipReport& report);

    const std::vector<Entry>& entries() const { return m_entries; }

    static EZipError refused(const ZipArchive& archive, const QString& why);

private:
    void consider(const ZipArchive& archive, zip_uint64_t index, const QStringList& wanted);
    void checkSize(const ZipArchive& archive, const QString& name, zip_uint64_t size,
                   zip_uint64_t packed);
    void checkWantedFound(const ZipArchive& archive, const QStringList& wanted) const;

    const ZipReport& m_report;
    std::vector<Entry> m_entries;
    QStringList m_found;
    zip_uint64_t m_total = 0;
};
