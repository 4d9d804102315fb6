#pragma once

#include <QString>
#include <functional>

class Prompter;

// "Would you like to save %s?" with Yes, No and Cancel, asked wherever unsaved edits could be
// lost or left behind.
namespace SaveQuestion {
// Nothing is asked unless there is something to save. Yes runs save; false when the user
// chose Cancel.
bool ask(Prompter& prompter, bool unsaved, const QString& what, const std::function<void()>& save);
} // namespace SaveQuestion
