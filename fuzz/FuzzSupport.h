#pragma once

#include "base/Prompter.h"
#include "base/Workspace.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// What every harness shares: the application object Qt wants, a scratch folder that lives as
// long as the process, and a check that stops the run loudly when an invariant breaks.
namespace FuzzSupport {

void startQt();
// A folder of the process's own, created on first use; ends with a slash.
const QString& scratchDir();
// A workspace in the scratch folder with all its folders made.
const Workspace& workspace();
// Replaces the file's content with the bytes.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray bytesOf(const uint8_t* data, size_t size);
// Aborts with the reason, so libFuzzer keeps the input that broke the invariant.
void check(bool holds, const char* what);

} // namespace FuzzSupport

// Answers every question with No and forgets every message: the readers only inform.
class QuietPrompter : public Prompter {
public:
    std::optional<QString> askName(const QString&, const QString&) override { return {}; }
    Answer confirm(const QString&, Buttons) override { return Answer::No; }
    void errorBox(const QString&, const QString&, const QString&) override {}
    void errorDialog(const QString&) override {}
    void message(const QString&) override { ++messages; }
    void handlerError(const QString&) override {}
    void beep(Sound) override {}

    int messages = 0;
};
