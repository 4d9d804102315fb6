#include "commands/SaveQuestion.h"

#include "base/Prompter.h"

namespace SaveQuestion {

bool ask(Prompter& prompter, bool unsaved, const QString& what, const std::function<void()>& save) {
    if (!unsaved)
        return true;
    prompter.beep(Prompter::Sound::Information);
    const auto answer = prompter.confirm(QStringLiteral("Would you like to save %1?").arg(what),
                                         Prompter::Buttons::YesNoCancel);
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::Yes && save)
        save();
    return true;
}

} // namespace SaveQuestion
