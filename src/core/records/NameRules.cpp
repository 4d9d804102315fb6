#include "records/NameRules.h"

namespace NameRules {

QString fileNameProblem(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("A name cannot be empty. Please choose another name.");
    if (name.size() > MaxLength)
        return QStringLiteral("A name cannot be longer than %1 characters. Please choose a "
                              "shorter name.")
            .arg(MaxLength);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" cannot be used as a name. Please choose another.").arg(name);
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c == QChar(0x00B1))
            return QStringLiteral("A name cannot contain the character \"%1\". Please choose "
                                  "another name.")
                .arg(c);
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("A name cannot contain control characters. Please choose "
                                  "another name.");
    }
    return QString();
}

} // namespace NameRules
