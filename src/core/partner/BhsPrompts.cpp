#include "partner/BhsPrompts.h"

#include "base/Prompter.h"

namespace BhsPrompts {

bool askConnected(Prompter& prompter) {
    prompter.beep(Prompter::Sound::Information);
    return prompter.confirm(QStringLiteral("Are you currently connected to the Internet?"),
                            Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

void couldNotConnect(Prompter& prompter) {
    prompter.beep(Prompter::Sound::Information);
    prompter.errorDialog(QStringLiteral("Could not connect to BHS!"));
}

} // namespace BhsPrompts
