#include "records/RegularFile.h"

#include "base/ScopeGuard.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool readAll(int fd, QByteArray& bytes) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(buffer, n);
    }
}

} // namespace

namespace RegularFile {

Contents read(const QString& path) {
    Contents c;
    // Not blocking, so opening a FIFO returns at once and is refused below.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        c.reason = systemReason();
        return c;
    }
    const ScopeGuard closeIt([fd] { ::close(fd); });
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        c.outcome = Outcome::NotRegular;
        c.reason = QStringLiteral("Not a regular file");
        return c;
    }
    c.bytes.reserve(static_cast<qsizetype>(st.st_size));
    if (!readAll(fd, c.bytes)) {
        c.reason = systemReason();
        c.bytes.clear();
        return c;
    }
    c.outcome = Outcome::Read;
    return c;
}

} // namespace RegularFile
