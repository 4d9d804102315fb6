#pragma once

#include <QTimer>
#include <functional>

// A test's guard against a hang: if the test is still running when the timer fires, it
// interrupts the client, whose action then fails and so fails the test. Nothing is asserted on
// time; the guard only makes sure the test ends.
class NetGuard {
public:
    static constexpr int GuardMs = 30000;

    explicit NetGuard(std::function<void()> interrupt, int ms = GuardMs);
    ~NetGuard();
    bool fired() const { return m_fired; }

private:
    QTimer m_timer;
    bool m_fired = false;
};
