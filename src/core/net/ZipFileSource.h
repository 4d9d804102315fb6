#pragma once

#include "net/ZipReport.h"

#include <QFile>
#include <QString>
#include <exception>
#include <zip.h>

// One file to be added, handed to libzip as a source it reads while it writes the archive: the
// file streams through in small reads, however big it is, and each read reports progress.
class ZipFileSource {
public:
    ZipFileSource(const QString& path, const ZipReport& report);
    ~ZipFileSource();
    ZipFileSource(const ZipFileSource&) = delete;
    ZipFileSource& operator=(const ZipFileSource&) = delete;

    // Owned by the archive once added; this object must outlive the archive.
    zip_source_t* create(zip_t* archive);
    // The file and the reason when reading it failed, empty otherwise.
    const QString& failure() const { return m_failure; }
    // What a progress receiver threw; it could not cross libzip, so it waits here.
    std::exception_ptr thrown() const { return m_thrown; }

private:
    static zip_int64_t callback(void* self, void* data, zip_uint64_t length, zip_source_cmd_t cmd);
    zip_int64_t run(void* data, zip_uint64_t length, zip_source_cmd_t cmd);
    zip_int64_t open();
    zip_int64_t read(void* data, zip_uint64_t length);
    zip_int64_t stat(void* data, zip_uint64_t length);
    zip_int64_t fail(int code, const QString& why);

    QString m_path;
    QString m_name;
    const ZipReport& m_report;
    QFile m_file;
    qint64 m_done = 0;
    zip_error_t m_error;
    QString m_failure;
    std::exception_ptr m_thrown;
};
