#pragma once

#include "base/Prompter.h"

class QWidget;

// The desktop program's dialogs and message boxes.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    std::optional<QString> askName(const QString& caption, const QString& text) override;
    Answer confirm(const QString& text, Buttons buttons) override;
    void errorBox(const QString& first, const QString& second, const QString& instruction) override;
    void errorDialog(const QString& text) override;
    void message(const QString& text) override;
    void handlerError(const QString& text) override;
    void beep(Sound sound) override;
    void setBusy(bool on) override;

private:
    // The window a box belongs to: the active one, else the main window.
    QWidget* owner() const;

    QWidget* m_parent;
};
