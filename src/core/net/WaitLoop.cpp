#include "net/WaitLoop.h"

#include "base/ScopeGuard.h"

bool WaitLoop::run(const std::function<bool()>& done) {
    while (!m_interrupted) {
        if (done())
            return true;
        QEventLoop loop;
        m_loops.push_back(&loop);
        // A handler that throws inside exec() must not leave this loop on the stack.
        const ScopeGuard pop([this] { m_loops.pop_back(); });
        loop.exec();
    }
    return false;
}

void WaitLoop::wake() {
    for (QEventLoop* loop : m_loops)
        loop->quit();
}

void WaitLoop::interrupt() {
    m_interrupted = true;
    wake();
}
