#pragma once

#include <QString>
#include <optional>

// Every question and message a rule needs goes through here: dialogs in the desktop
// program, scripted answers in tests, printed lines in the command-line program.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Buttons { YesNo, YesNoCancel };
    enum class Sound { Information, Default };

    virtual ~Prompter() = default;

    // The name dialog; nullopt when cancelled.
    virtual std::optional<QString> askName(const QString& caption, const QString& text) = 0;
    virtual Answer confirm(const QString& text, Buttons buttons) = 0;
    // The "ERROR" box with its three lines.
    virtual void errorBox(const QString& first, const QString& second,
                          const QString& instruction) = 0;
    // An error-style message with an OK button.
    virtual void errorDialog(const QString& text) = 0;
    // A plain message box.
    virtual void message(const QString& text) = 0;
    // The program-wide handler for an error no command caught.
    virtual void handlerError(const QString& text) = 0;
    virtual void beep(Sound sound) = 0;
    // The busy cursor while a command works on files.
    virtual void setBusy(bool) {}
};
