#include "records/NameRules.h"

#include "base/Prompter.h"
#include "records/TextHelpers.h"

namespace NameRules {

QString fileNameProblem(const QString& name) {
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

std::optional<QString> askNewName(Prompter& prompter, const NewNameTexts& texts,
                                  const QStringList& existing) {
    for (;;) {
        const auto typed = prompter.askName(texts.caption, QString());
        if (!typed || typed->isEmpty())
            return std::nullopt;
        QString name = *typed;
        QString title = texts.duplicateTitle;
        QString problem = texts.duplicateText;
        if (!existing.contains(name)) {
            if (TextHelpers::StripLeadingSpaces(name).isEmpty())
                return std::nullopt;
            title = texts.invalidTitle;
            problem = fileNameProblem(name);
            if (problem.isEmpty())
                return name;
        }
        prompter.beep(Prompter::Sound::Information);
        prompter.errorBox(title, problem, QString());
    }
}

} // namespace NameRules
