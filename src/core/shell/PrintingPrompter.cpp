#include "shell/PrintingPrompter.h"

void PrintingPrompter::print(const QString& line) {
    m_err << line << Qt::endl;
}

std::optional<QString> PrintingPrompter::askName(const QString& caption, const QString&) {
    print(caption);
    return std::nullopt;
}

Prompter::Answer PrintingPrompter::confirm(const QString& text, Buttons buttons) {
    print(text);
    return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
}

void PrintingPrompter::errorBox(const QString& first, const QString& second,
                                const QString& instruction) {
    print(first);
    if (!second.isEmpty())
        print(second);
    if (!instruction.isEmpty())
        print(instruction);
}

void PrintingPrompter::errorDialog(const QString& text) {
    print(text);
}
void PrintingPrompter::message(const QString& text) {
    print(text);
}
void PrintingPrompter::handlerError(const QString& text) {
    print(text);
}
