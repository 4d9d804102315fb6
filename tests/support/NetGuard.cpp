#include "support/NetGuard.h"

NetGuard::NetGuard(std::function<void()> interrupt, int ms) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this, interrupt = std::move(interrupt)] {
        m_fired = true;
        interrupt();
    });
    m_timer.start(ms);
}

NetGuard::~NetGuard() {
    m_timer.stop();
}
