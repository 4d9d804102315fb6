#pragma once

#include <QString>
#include <optional>

struct ExpansionContext;

// The FTP step's expansions (live mode): the text, or nothing when the expansion failed or
// raised. Callers decide what a failure means: the login fields fall back to their text, the
// added text is left out.
namespace FtpExpansion {
std::optional<QString> expand(const QString& text, const ExpansionContext& context);
// The expanded text, or the text itself when it cannot be expanded.
QString expandOrKeep(const QString& text, const ExpansionContext& context);
} // namespace FtpExpansion
