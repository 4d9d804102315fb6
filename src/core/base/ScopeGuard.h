#pragma once

#include <functional>
#include <utility>

// Runs its action when the scope is left, however it is left.
class ScopeGuard {
public:
    explicit ScopeGuard(std::function<void()> action) : m_action(std::move(action)) {}
    ~ScopeGuard() { m_action(); }
    ScopeGuard(const ScopeGuard&) = delete;
    ScopeGuard& operator=(const ScopeGuard&) = delete;

private:
    std::function<void()> m_action;
};
