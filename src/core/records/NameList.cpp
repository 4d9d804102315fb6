#include "records/NameList.h"

#include "base/Prompter.h"
#include "records/ListFile.h"
#include "records/NameRules.h"

namespace NameList {

QStringList load(const QString& path, Prompter& prompter) {
    QStringList names;
    for (const QString& line : LoadList(path)) {
        if (line.isEmpty())
            continue;
        if (NameRules::fileNameProblem(line).isEmpty()) {
            names << line;
            continue;
        }
        prompter.message(QStringLiteral("The name \"%1\" in %2 cannot be used as a file name, so "
                                        "it is skipped. Correct or remove it in that file.")
                             .arg(line, path));
    }
    return names;
}

} // namespace NameList
