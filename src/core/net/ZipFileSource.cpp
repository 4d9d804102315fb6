#include "net/ZipFileSource.h"

#include <QDir>
#include <QFileInfo>

ZipFileSource::ZipFileSource(const QString& path, const ZipReport& report)
    : m_path(path), m_name(QFileInfo(path).fileName()), m_report(report), m_file(path) {
    zip_error_init(&m_error);
}

ZipFileSource::~ZipFileSource() {
    zip_error_fini(&m_error);
}

zip_source_t* ZipFileSource::create(zip_t* archive) {
    return zip_source_function(archive, &ZipFileSource::callback, this);
}

zip_int64_t ZipFileSource::callback(void* self, void* data, zip_uint64_t length,
                                    zip_source_cmd_t cmd) {
    auto* source = static_cast<ZipFileSource*>(self);
    try {
        return source->run(data, length, cmd);
    } catch (...) {
        source->m_thrown = std::current_exception();
        zip_error_set(&source->m_error, ZIP_ER_CANCELLED, 0);
        return -1;
    }
}

zip_int64_t ZipFileSource::run(void* data, zip_uint64_t length, zip_source_cmd_t cmd) {
    switch (cmd) {
    case ZIP_SOURCE_OPEN:
        return open();
    case ZIP_SOURCE_READ:
        return read(data, length);
    case ZIP_SOURCE_CLOSE:
        m_file.close();
        return 0;
    case ZIP_SOURCE_STAT:
        return stat(data, length);
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&m_error, data, length);
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              ZIP_SOURCE_SUPPORTS, -1);
    default:
        zip_error_set(&m_error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

zip_int64_t ZipFileSource::open() {
    if (!m_file.open(QIODevice::ReadOnly))
        return fail(ZIP_ER_OPEN, m_file.errorString());
    m_done = 0;
    m_report.progress(ZipReport::NewFile, m_file.size(), m_name);
    return 0;
}

zip_int64_t ZipFileSource::read(void* data, zip_uint64_t length) {
    const qint64 got = m_file.read(static_cast<char*>(data), static_cast<qint64>(length));
    if (got < 0)
        return fail(ZIP_ER_READ, m_file.errorString());
    m_report.steps(m_done, got, m_name);
    m_done += got;
    return got;
}

zip_int64_t ZipFileSource::stat(void* data, zip_uint64_t length) {
    if (length < sizeof(zip_stat_t)) {
        zip_error_set(&m_error, ZIP_ER_INVAL, 0);
        return -1;
    }
    const QFileInfo info(m_path);
    if (!info.isFile())
        return fail(ZIP_ER_NOENT, QStringLiteral("the file is gone"));
    auto* st = static_cast<zip_stat_t*>(data);
    zip_stat_init(st);
    st->size = static_cast<zip_uint64_t>(info.size());
    st->mtime = static_cast<time_t>(info.lastModified().toSecsSinceEpoch());
    st->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
    return sizeof(zip_stat_t);
}

zip_int64_t ZipFileSource::fail(int code, const QString& why) {
    m_failure = QDir::toNativeSeparators(m_path) + QStringLiteral(": ") + why;
    zip_error_set(&m_error, code, 0);
    return -1;
}
