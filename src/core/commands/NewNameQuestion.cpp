#include "commands/NewNameQuestion.h"

#include "base/Prompter.h"
#include "records/NameRules.h"
#include "records/TextHelpers.h"

namespace NewNameQuestion {

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
            problem = NameRules::fileNameProblem(name);
            if (problem.isEmpty())
                return name;
        }
        prompter.beep(Prompter::Sound::Information);
        prompter.errorBox(title, problem, QString());
    }
}

} // namespace NewNameQuestion
