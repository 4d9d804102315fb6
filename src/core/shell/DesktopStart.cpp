#include "shell/DesktopStart.h"

#include "shell/SingleInstance.h"

#include <QDeadlineTimer>
#include <QThread>

DesktopStart::Outcome DesktopStart::enter(std::chrono::milliseconds wait) {
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (m_lock.acquire(std::chrono::milliseconds::zero())) {
            m_instance.listen();
            return Outcome::First;
        }
        // The holder may be a copy that has not begun to listen yet, or a command that writes.
        if (m_instance.activateRunningCopy())
            return Outcome::Activated;
        if (deadline.hasExpired())
            return Outcome::Refused;
        QThread::msleep(100);
    }
}
