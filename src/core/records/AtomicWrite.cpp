#include "records/AtomicWrite.h"

#include "base/ScopeGuard.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// A new file beside the target that no other writer uses; -1 with errno set on failure.
int createBeside(const QString& path, QByteArray& tempName) {
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName =
            QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + u'.' +
                              QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes everything, going on after short writes; errno is set when it fails.
bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errno = n == 0 ? EIO : errno;
            return false;
        }
        at += n;
        left -= n;
    }
    return true;
}

// The target keeps its permissions; a new file gets the ones open() gave it.
bool keepMode(int fd, const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return errno == ENOENT;
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing written.
void syncFolder(const QString& path) {
    const int dir = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("Not a regular file");
    if (info.exists() && !info.isWritable())
        return systemReason(EACCES);
    QByteArray tempName;
    int fd = createBeside(path, tempName);
    if (fd < 0)
        return systemReason(errno);
    bool committed = false;
    const ScopeGuard cleanUp([&] {
        if (fd >= 0)
            ::close(fd);
        if (!committed)
            ::unlink(tempName.constData());
    });
    if (!writeAll(fd, bytes) || !keepMode(fd, path) || ::fsync(fd) != 0)
        return systemReason(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return systemReason(errno);
    if (::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0)
        return systemReason(errno);
    committed = true;
    syncFolder(path);
    return QString();
}
