#include "net/ZipExtractPlan.h"

#include "net/ZipArchive.h"
#include "net/ZipEntryRule.h"

#include <QDir>

ZipExtractPlan::ZipExtractPlan(const ZipArchive& archive, const QStringList& wanted,
                               const ZipReport& report)
    : m_report(report) {
    const zip_uint64_t count = archive.count();
    if (count == 0)
        throw EZipError(EZipError::NoEntries, QStringLiteral("No valid zip entries found"));
    if (count > MaxEntries)
        throw refused(
            archive,
            QStringLiteral("it holds %1 entries, more than %2").arg(count).arg(MaxEntries));
    for (zip_uint64_t i = 0; i < count; ++i)
        consider(archive, i, wanted);
    checkWantedFound(archive, wanted);
}

void ZipExtractPlan::consider(const ZipArchive& archive, zip_uint64_t index,
                              const QStringList& wanted) {
    const QString name = archive.name(index);
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    zip_stat_t st;
    if (zip_stat_index(archive.handle(), index, 0, &st) != 0 ||
        zip_file_get_external_attributes(archive.handle(), index, 0, &system, &attributes) != 0)
        throw ZipArchive::damaged(archive.path(), archive.lastError());
    const ZipEntryRule rule = ZipEntryRule::judge(name, system, attributes);
    if (!wanted.isEmpty() && !wanted.contains(name) && !wanted.contains(rule.flatName()))
        return;
    m_found << name << rule.flatName();
    if (rule.verdict() != ZipEntryRule::Verdict::Write) {
        const bool folder = rule.verdict() == ZipEntryRule::Verdict::Folder;
        m_report.message(folder ? 0 : EZipError::Skipped,
                         QStringLiteral("Skipped %1: %2").arg(name, rule.why()));
        return;
    }
    checkSize(archive, name, st.size, st.comp_size);
    m_entries.push_back({index, name, rule.flatName(), static_cast<qint64>(st.size)});
}

// Deflate cannot pack better than about 1030:1, so a higher claim is a lie or a bomb. Sizes are
// as forged headers give them: unsigned, and kept below where they could overflow.
void ZipExtractPlan::checkSize(const ZipArchive& archive, const QString& name, zip_uint64_t size,
                               zip_uint64_t packed) {
    const auto total = static_cast<zip_uint64_t>(MaxTotalBytes);
    if (size > MaxRatio * qBound<zip_uint64_t>(1, packed, total))
        throw refused(archive, QStringLiteral("%1 would unpack %2 bytes into %3, more than %4:1")
                                   .arg(name)
                                   .arg(packed)
                                   .arg(size)
                                   .arg(MaxRatio));
    if (size > total - m_total)
        throw refused(archive,
                      QStringLiteral("it would unpack to more than %1 MB").arg(total >> 20));
    m_total += size;
}

void ZipExtractPlan::checkWantedFound(const ZipArchive& archive, const QStringList& wanted) const {
    for (const QString& name : wanted)
        if (!m_found.contains(name))
            throw EZipError(EZipError::NoEntries,
                            QStringLiteral("Zip file %1 holds no entry %2; nothing was extracted.")
                                .arg(QDir::toNativeSeparators(archive.path()), name));
}

EZipError ZipExtractPlan::refused(const ZipArchive& archive, const QString& why) {
    return EZipError(EZipError::Limit,
                     QStringLiteral("Refused zip file %1: %2. Nothing was extracted; the archive "
                                    "may be built to fill the disk.")
                         .arg(QDir::toNativeSeparators(archive.path()), why));
}
