#include "CommandSyntax.h"

#include <QHash>

namespace {

const QHash<QString, CommandSyntax>& table() {
    static const QHash<QString, CommandSyntax> commands = {
        {"companies", {}},
        {"engines", {}},
        {"init", {}},
        {"apps", {{"--company"}, {}, {}, 0, 0, {}}},
        {"company", {{}, {}, {}, 2, 2, "company show NAME"}},
        {"app", {{"--company"}, {}, {}, 2, 2, "app show NAME [--company C]"}},
        {"engine", {{}, {}, {}, 2, 2, "engine show NAME"}},
        {"sites", {{"--company", "--app"}, {}, {}, 0, 0, {}}},
        {"expand",
         {{"--company", "--app", "--site", "--text", "--file"}, {"--check"}, {}, 0, 0, {}}},
        {"check-engines", {{"--site"}, {}, {}, 0, 0, {}}},
        {"mass-change", {{}, {"--dry-run"}, {}, 2, 2, "mass-change [--dry-run] FROM TO"}},
        {"reports", {{}, {}, {}, 0, 1, {}}},
        {"submit", {{"--company", "--app", "--site"}, {}, {"--site"}, 0, 0, {}}},
        {"update", {{"--url", "--file"}, {}, {}, 0, 0, {}}},
    };
    return commands;
}

} // namespace

const CommandSyntax* CommandSyntax::of(const QString& command) {
    const auto it = table().constFind(command);
    return it == table().constEnd() ? nullptr : &*it;
}

QString CommandSyntax::sort(CliOptions& o) const {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < o.args.size(); ++i) {
        const QString& a = o.args[i];
        if (optionsEnded || !a.startsWith(QLatin1String("--"))) {
            o.words << a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (flags.contains(a)) {
            o.flags << a;
        } else if (!valued.contains(a)) {
            return QStringLiteral("%1 does not take %2").arg(o.command, a);
        } else if (i + 1 >= o.args.size()) {
            return QStringLiteral("%1 needs a value").arg(a);
        } else if (o.option(a) && !repeatable.contains(a)) {
            return QStringLiteral("%1 is given twice").arg(a);
        } else {
            o.values.append({a, o.args[++i]});
        }
    }
    if (o.words.size() > maxWords)
        return QStringLiteral("unexpected argument %1").arg(o.words[maxWords]);
    if (o.words.size() < minWords)
        return QStringLiteral("use: %1").arg(form);
    return QString();
}
