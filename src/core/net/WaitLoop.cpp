#include "net/WaitLoop.h"

bool WaitLoop::run(const std::function<bool()>& done) {
    while (!m_interrupted) {
        if (done())
            return true;
        QEventLoop loop;
        m_loops.push_back(&loop);
        loop.exec();
        m_loops.pop_back();
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
