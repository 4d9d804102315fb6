#include "net/ZipAdder.h"

#include "net/ZipArchive.h"
#include "net/ZipFileSource.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace {

// Whoever unpacks the archive gets a plain readable file, whatever mode ours had.
constexpr zip_uint32_t kPlainFileAttributes = (S_IFREG | 0644u) << 16;

EZipError cannotAdd(const QString& file, const QString& why) {
    return EZipError(EZipError::FileAccess,
                     QStringLiteral("Cannot add %1 to the zip file: %2. Nothing was changed.")
                         .arg(QDir::toNativeSeparators(file), why));
}

} // namespace

ZipAdder::ZipAdder(const ZipReport& report, int level) : m_report(report), m_level(level) {}

ZipAdder::~ZipAdder() = default;

void ZipAdder::add(const QString& archivePath, const QStringList& files) {
    for (const QString& file : files)
        checkReadable(file);
    // A local, so libzip lets go of the sources before m_sources frees them.
    ZipArchive archive(archivePath, ZipArchive::Mode::Change);
    for (const QString& file : files)
        addOne(archive, file);
    commit(archive);
}

void ZipAdder::checkReadable(const QString& file) {
    const QFileInfo info(file);
    if (!info.exists())
        throw cannotAdd(file, QStringLiteral("the file does not exist"));
    if (!info.isFile())
        throw cannotAdd(file, QStringLiteral("it is not a plain file"));
    if (!info.isReadable())
        throw cannotAdd(file, QStringLiteral("you may not read it"));
}

void ZipAdder::addOne(ZipArchive& archive, const QString& file) {
    m_sources.push_back(std::make_unique<ZipFileSource>(file, m_report));
    zip_source_t* source = m_sources.back()->create(archive.handle());
    if (!source)
        throw cannotAdd(file, archive.lastError());
    const QByteArray name = QFileInfo(file).fileName().toUtf8();
    const zip_int64_t index = zip_file_add(archive.handle(), name.constData(), source,
                                           ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        throw cannotAdd(file, archive.lastError());
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    const zip_int32_t method = m_level > 0 ? ZIP_CM_DEFLATE : ZIP_CM_STORE;
    if (zip_set_file_compression(archive.handle(), entry, method,
                                 static_cast<zip_uint32_t>(m_level)) != 0 ||
        zip_file_set_external_attributes(archive.handle(), entry, 0, ZIP_OPSYS_UNIX,
                                         kPlainFileAttributes) != 0)
        throw cannotAdd(file, archive.lastError());
}

// libzip reads the files only now; when one of them failed, its name is the useful part.
void ZipAdder::commit(ZipArchive& archive) {
    try {
        archive.commit();
    } catch (const EZipError&) {
        for (const auto& source : m_sources) {
            if (source->thrown())
                std::rethrow_exception(source->thrown());
            if (!source->failure().isEmpty())
                throw EZipError(EZipError::FileAccess,
                                QStringLiteral("Cannot add %1. The zip file is unchanged.")
                                    .arg(source->failure()));
        }
        throw;
    }
}
