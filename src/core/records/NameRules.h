#pragma once

#include <QString>

// Names that become file names must stay inside their folder and be usable as a file name.
namespace NameRules {
constexpr int MaxLength = 200;
// Empty when the name may be used; otherwise what is wrong with it, for the user.
QString fileNameProblem(const QString& name);
} // namespace NameRules
