#include "support/OpenCounter.h"

#include <QFile>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

OpenCounter::OpenCounter(const QString& path) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    // Closes are watched too: alike notices in a row are merged into one, open and close are not.
    if (m_fd < 0 ||
        inotify_add_watch(m_fd, QFile::encodeName(path).constData(), IN_OPEN | IN_CLOSE) < 0)
        throw std::runtime_error("cannot watch the file");
}

OpenCounter::~OpenCounter() {
    ::close(m_fd);
}

int OpenCounter::opens() {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t n; (n = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            m_opens += (event->mask & IN_OPEN) != 0;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return m_opens;
}
