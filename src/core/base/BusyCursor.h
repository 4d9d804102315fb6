#pragma once

#include "base/Prompter.h"

// Shows the busy cursor for the life of the object, so every way out restores it.
class BusyCursor {
public:
    explicit BusyCursor(Prompter& prompter) : m_prompter(prompter) { m_prompter.setBusy(true); }
    ~BusyCursor() { m_prompter.setBusy(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Prompter& m_prompter;
};
