#include "support/ScriptedPrompter.h"

std::optional<QString> ScriptedPrompter::askName(const QString& caption, const QString&) {
    shown << QStringLiteral("name: ") + caption;
    if (names.empty())
        return std::nullopt;
    const bool cancelled = !names.front().has_value();
    const QString text = names.front().value_or(QString());
    names.pop_front();
    if (cancelled)
        return std::nullopt;
    return text;
}

Prompter::Answer ScriptedPrompter::confirm(const QString& text, Buttons buttons) {
    shown << QStringLiteral("confirm: ") + text;
    if (answers.empty())
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedPrompter::errorBox(const QString& first, const QString& second,
                                const QString& instruction) {
    shown << QStringLiteral("errorBox: %1 / %2 / %3").arg(first, second, instruction);
}

void ScriptedPrompter::errorDialog(const QString& text) {
    shown << QStringLiteral("error: ") + text;
}
void ScriptedPrompter::message(const QString& text) {
    shown << QStringLiteral("message: ") + text;
}
void ScriptedPrompter::handlerError(const QString& text) {
    shown << QStringLiteral("handler: ") + text;
}
