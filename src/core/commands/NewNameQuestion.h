#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Prompter;

// The question for a new company or application name, asked again until the answer can be used.
namespace NewNameQuestion {
// The texts of one kind of name ("COMPANY" ...).
struct NewNameTexts {
    QString caption;        // of the name dialog
    QString duplicateTitle; // first line of the error box
    QString duplicateText;
    QString invalidTitle;
};

// Asks until a name is given that is new (exact, as typed) and usable, leading spaces
// removed; nullopt when cancelled, left empty, or only spaces.
std::optional<QString> askNewName(Prompter& prompter, const NewNameTexts& texts,
                                  const QStringList& existing);
} // namespace NewNameQuestion
