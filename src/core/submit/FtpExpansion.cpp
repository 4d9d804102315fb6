#include "submit/FtpExpansion.h"

#include "base/ShipkitError.h"
#include "scripts/ScriptExpander.h"

namespace FtpExpansion {

std::optional<QString> expand(const QString& text, const ExpansionContext& context) {
    try {
        ScriptExpander expander(context);
        QString expanded = expander.ExpandText(text, true);
        if (expander.ScriptError())
            return std::nullopt;
        return expanded;
    } catch (const ShipkitError&) {
        // A failing "Could NotFind!" box must not end the step; the text is treated as not
        // expandable, as any other failed expansion.
        return std::nullopt;
    }
}

QString expandOrKeep(const QString& text, const ExpansionContext& context) {
    return expand(text, context).value_or(text);
}

} // namespace FtpExpansion
