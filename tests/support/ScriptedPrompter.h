#pragma once

#include "base/Prompter.h"

#include <QStringList>
#include <deque>

// Answers questions from a script and records everything it was shown, in order.
class ScriptedPrompter : public Prompter {
public:
    std::deque<std::optional<QString>> names;
    std::deque<Answer> answers;
    QStringList shown; // "kind: text" lines
    int beeps = 0;
    int busyDepth = 0;

    std::optional<QString> askName(const QString& caption, const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    void errorBox(const QString& first, const QString& second, const QString& instruction) override;
    void errorDialog(const QString& text) override;
    void message(const QString& text) override;
    void handlerError(const QString& text) override;
    void beep(Sound) override { ++beeps; }
    void setBusy(bool on) override { busyDepth += on ? 1 : -1; }
};
