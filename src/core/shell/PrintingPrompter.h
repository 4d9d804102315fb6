#pragma once

#include "base/Prompter.h"

#include <QTextStream>

// The command line's answers: messages go to stderr, questions get their safe answer.
class PrintingPrompter : public Prompter {
public:
    explicit PrintingPrompter(QTextStream& err) : m_err(err) {}

    std::optional<QString> askName(const QString& caption, const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    void errorBox(const QString& first, const QString& second, const QString& instruction) override;
    void errorDialog(const QString& text) override;
    void message(const QString& text) override;
    void handlerError(const QString& text) override;
    void beep(Sound) override {}

private:
    void print(const QString& line);

    QTextStream& m_err;
};
