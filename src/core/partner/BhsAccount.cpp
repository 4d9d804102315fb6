#include "partner/BhsAccount.h"

#include <QRegularExpression>
#include <optional>

namespace {

std::optional<BhsAccount> parseLine(const QString& line) {
    if (!line.startsWith(QLatin1String("<option value=")) ||
        line.contains(QLatin1String("value=\"0\"")))
        return std::nullopt;
    const qsizetype open = line.indexOf(u'"');
    const qsizetype close = line.indexOf(u'"', open + 1);
    if (open < 0 || close < 0)
        return std::nullopt;
    const QString id = line.mid(open + 1, close - open - 1);
    const qsizetype tagEnd = line.indexOf(u'>', open + 1);
    if (id.isEmpty() || tagEnd < 0)
        return std::nullopt;
    return BhsAccount{line.mid(tagEnd + 1), id};
}

} // namespace

std::vector<BhsAccount> BhsAccount::parseList(const QString& page) {
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    std::vector<BhsAccount> accounts;
    for (const QString& line : page.split(kLineEnd))
        if (const auto account = parseLine(line))
            accounts.push_back(*account);
    return accounts;
}
