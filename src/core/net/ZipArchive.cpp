#include "net/ZipArchive.h"

#include <QDir>
#include <QFile>

namespace {

QString libzipText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

// A file that starts like a zip but has no directory at its end was cut short; anything else is
// simply not an archive.
bool holdsLocalHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(60000).contains("PK\x03\x04");
}

EZipError openError(const QString& path, int code) {
    if (code == ZIP_ER_NOZIP && !holdsLocalHeader(path))
        return EZipError(EZipError::NoEntries, QStringLiteral("No valid zip entries found"));
    if (code == ZIP_ER_NOZIP)
        return ZipArchive::damaged(path, QStringLiteral("the file is incomplete"));
    if (code == ZIP_ER_NOENT || code == ZIP_ER_OPEN || code == ZIP_ER_READ)
        return EZipError(EZipError::FileAccess,
                         QStringLiteral("Cannot open zip file %1: %2. Check that it exists and "
                                        "that you may read it.")
                             .arg(QDir::toNativeSeparators(path), libzipText(code)));
    return ZipArchive::damaged(path, libzipText(code));
}

int openFlags(ZipArchive::Mode mode) {
    switch (mode) {
    case ZipArchive::Mode::Read:
        return ZIP_RDONLY;
    case ZipArchive::Mode::Verify:
        return ZIP_RDONLY | ZIP_CHECKCONS;
    case ZipArchive::Mode::Change:
        return ZIP_CREATE;
    }
    return ZIP_RDONLY;
}

} // namespace

ZipArchive::ZipArchive(const QString& path, Mode mode) : m_path(path) {
    int code = ZIP_ER_OK;
    m_zip = zip_open(QFile::encodeName(path).constData(), openFlags(mode), &code);
    if (!m_zip)
        throw openError(path, code);
}

ZipArchive::~ZipArchive() {
    if (m_zip)
        zip_discard(m_zip);
}

zip_uint64_t ZipArchive::count() const {
    return static_cast<zip_uint64_t>(zip_get_num_entries(m_zip, 0));
}

QString ZipArchive::name(zip_uint64_t index) const {
    const char* raw = zip_get_name(m_zip, index, 0);
    if (!raw)
        throw damaged(m_path, lastError());
    return QString::fromUtf8(raw);
}

QStringList ZipArchive::names() const {
    QStringList list;
    for (zip_uint64_t i = 0; i < count(); ++i)
        list.append(name(i));
    return list;
}

void ZipArchive::commit() {
    if (zip_close(m_zip) == 0) {
        m_zip = nullptr;
        return;
    }
    throw EZipError(EZipError::FileAccess,
                    QStringLiteral("Cannot write zip file %1: %2. The archive is unchanged; check "
                                   "the free space and your rights on its folder.")
                        .arg(QDir::toNativeSeparators(m_path), lastError()));
}

EZipError ZipArchive::damaged(const QString& path, const QString& why) {
    return EZipError(EZipError::Damaged,
                     QStringLiteral("Error reading Zip File %1: %2. The archive is damaged; "
                                    "fetch or make it again.")
                         .arg(QDir::toNativeSeparators(path), why));
}
