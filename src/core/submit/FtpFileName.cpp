#include "submit/FtpFileName.h"

#include "records/NameRules.h"

namespace FtpFileName {

QString problem(const QString& name) {
    const QString why = NameRules::fileNameProblem(name);
    return why.isEmpty() ? QString()
                         : QStringLiteral("Invalid file name: \"%1\". %2").arg(name, why);
}

} // namespace FtpFileName
