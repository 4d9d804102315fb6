#pragma once

class Prompter;

// The questions and messages both partner dialogs share.
namespace BhsPrompts {
// Beeps and asks "Are you currently connected to the Internet?"; true on Yes.
bool askConnected(Prompter& prompter);
// Beeps and says "Could not connect to BHS!".
void couldNotConnect(Prompter& prompter);
} // namespace BhsPrompts
