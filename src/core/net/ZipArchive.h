#pragma once

#include "net/EZipError.h"

#include <QString>
#include <QStringList>
#include <zip.h>

// One open archive. Opening and writing turn libzip's failures into messages a user can act on;
// an archive not committed is discarded, so a failed change never touches the file.
class ZipArchive {
public:
    enum class Mode { Read, Verify, Change };

    ZipArchive(const QString& path, Mode mode);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    zip_t* handle() const { return m_zip; }
    const QString& path() const { return m_path; }
    zip_uint64_t count() const;
    QString name(zip_uint64_t index) const;
    QStringList names() const;
    QString lastError() const { return QString::fromUtf8(zip_strerror(m_zip)); }
    // libzip writes beside the archive and renames only when complete.
    void commit();

    static EZipError damaged(const QString& path, const QString& why);

private:
    QString m_path;
    zip_t* m_zip = nullptr;
};
