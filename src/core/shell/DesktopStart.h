#pragma once

#include "shell/WorkspaceLock.h"

#include <chrono>

class SingleInstance;

// The desktop program's start on a workspace. The workspace lock decides which copy is first,
// so two copies started at the same moment never both run: the first holds the lock and
// listens; a later one asks it to come forward, waiting while it is still starting.
class DesktopStart {
public:
    enum class Outcome { First, Activated, Refused };

    DesktopStart(SingleInstance& instance, WorkspaceLock& lock)
        : m_instance(instance), m_lock(lock) {}

    Outcome enter(std::chrono::milliseconds wait = WorkspaceLock::DefaultWait);

private:
    SingleInstance& m_instance;
    WorkspaceLock& m_lock;
};
