#pragma once

#include <QString>

// Counts how often a file is opened, from the kernel's own notices (inotify), so a test can
// tell one read of a record from one read per key.
class OpenCounter {
public:
    explicit OpenCounter(const QString& path);
    ~OpenCounter();
    OpenCounter(const OpenCounter&) = delete;
    OpenCounter& operator=(const OpenCounter&) = delete;

    // The opens since the counter was made.
    int opens();

private:
    int m_fd = -1;
    int m_opens = 0;
};
