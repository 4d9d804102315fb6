#pragma once

#include <QtGlobal>
#include <csignal>
#include <sys/resource.h>

// A small file size limit: a write past it fails with EFBIG ("File too large") where a full disk
// fails with ENOSPC, so tests reach the failing-write paths without a full file system.
class FileSizeLimit {
public:
    // Lowers this process's soft limit for the object's life; the old one comes back after.
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // For a child process before it runs a program: the limit, and the signal that would
    // otherwise end it ignored, so the failing write returns an error instead.
    static void applyForGood(qint64 bytes);

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};
