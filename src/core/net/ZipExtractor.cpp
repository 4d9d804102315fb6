#include "net/ZipExtractor.h"

#include "net/ZipArchive.h"
#include "net/ZipStaging.h"

#include <QFile>
#include <memory>

namespace {

struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using EntryFile = std::unique_ptr<zip_file_t, EntryCloser>;

} // namespace

ZipExtractor::ZipExtractor(const ZipArchive& archive, const ZipReport& report)
    : m_archive(archive), m_report(report) {}

int ZipExtractor::extract(const ZipExtractPlan& plan, const QString& targetDir) {
    ZipStaging staging(targetDir);
    for (const ZipExtractPlan::Entry& entry : plan.entries())
        write(entry, staging.stage(entry.flatName));
    staging.commit();
    for (const ZipExtractPlan::Entry& entry : plan.entries())
        if (entry.name != entry.flatName)
            m_report.message(0,
                             QStringLiteral("Extracted %1 as %2").arg(entry.name, entry.flatName));
    return static_cast<int>(plan.entries().size());
}

void ZipExtractor::write(const ZipExtractPlan::Entry& entry, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw EZipError(EZipError::FileAccess,
                        QStringLiteral("Cannot extract %1: %2. Check your rights on the folder.")
                            .arg(entry.name, out.errorString()));
    const EntryFile in(zip_fopen_index(m_archive.handle(), entry.index, 0));
    if (!in)
        throw ZipArchive::damaged(m_archive.path(), entry.name + u": " + m_archive.lastError());
    m_report.progress(ZipReport::NewFile, entry.size, entry.flatName);
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    qint64 done = 0;
    while (const zip_int64_t got = zip_fread(in.get(), buffer.data(), buffer.size())) {
        if (got < 0)
            throw ZipArchive::damaged(m_archive.path(),
                                      entry.name + u": " + zip_file_strerror(in.get()));
        count(entry, done, got);
        if (out.write(buffer.constData(), got) != got)
            throw EZipError(EZipError::FileAccess,
                            QStringLiteral("Cannot extract %1: %2. Check the free space.")
                                .arg(entry.name, out.errorString()));
        m_report.steps(done, got, entry.flatName);
        done += got;
    }
    if (done != entry.size)
        throw ZipArchive::damaged(m_archive.path(),
                                  entry.name + QStringLiteral(" is shorter than its header says"));
}

// Counts what is really written, not what the headers claim.
void ZipExtractor::count(const ZipExtractPlan::Entry& entry, qint64 done, qint64 got) {
    if (done + got > entry.size)
        throw ZipArchive::damaged(m_archive.path(),
                                  QStringLiteral("%1 unpacks to more than the %2 bytes its header "
                                                 "declares")
                                      .arg(entry.name)
                                      .arg(entry.size));
    m_written += got;
    if (m_written > ZipExtractPlan::MaxTotalBytes)
        throw ZipExtractPlan::refused(m_archive, QStringLiteral("it unpacks to more than %1 MB")
                                                     .arg(ZipExtractPlan::MaxTotalBytes >> 20));
}
