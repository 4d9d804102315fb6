#pragma once

#include <QString>

#include <QStringList>
#include <optional>

class Prompter;

// Names that become file names must stay inside their folder and be usable as a file name.
namespace NameRules {
// Empty when the name may be used; otherwise what is wrong with it, for the user.
QString fileNameProblem(const QString& name);

// The texts of one kind of name ("COMPANY" ...) for the new-name questions.
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
} // namespace NameRules
