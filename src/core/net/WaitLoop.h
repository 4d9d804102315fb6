#pragma once

#include <QEventLoop>
#include <functional>
#include <vector>

// The blocking waits of the clients: local event loops, so the user interface keeps running and
// timers, buttons and the clients' own events are handled inside the wait. Waits may nest (an
// event handler can start another action); an interrupt ends every one of them.
class WaitLoop {
public:
    // Runs until done() holds (true) or an interrupt was requested (false).
    bool run(const std::function<bool()>& done);
    // Something a wait may be waiting for has happened: let every wait check again.
    void wake();
    void interrupt();
    // Called when a new outermost action starts: an old interrupt must not end it.
    void clearInterrupt() { m_interrupted = false; }
    bool interrupted() const { return m_interrupted; }
    bool busy() const { return !m_loops.empty(); }

private:
    std::vector<QEventLoop*> m_loops;
    bool m_interrupted = false;
};
