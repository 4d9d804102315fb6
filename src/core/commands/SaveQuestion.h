#pragma once

#include <QString>
#include <functional>

class Prompter;

// "Would you like to save ...?" before edits would be dropped.
namespace SaveQuestion {
// Asks only when unsaved; Yes runs save. False when the user cancelled.
bool ask(Prompter& prompter, bool unsaved, const QString& what, const std::function<void()>& save);
} // namespace SaveQuestion
