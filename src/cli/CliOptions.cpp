#include "CliOptions.h"

CliOptions CliOptions::parse(const QStringList& arguments) {
    CliOptions o;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (!o.command.isEmpty()) {
            o.args.append(a);
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--version")) {
            o.version = true;
        } else if (a == QLatin1String("--workspace")) {
            if (!hasValue)
                o.error = QStringLiteral("--workspace needs a folder");
            else
                o.workspace = arguments[++i];
        } else if (a == QLatin1String("--now")) {
            const QDateTime at =
                hasValue ? QDateTime::fromString(arguments[++i], Qt::ISODate) : QDateTime();
            if (!at.isValid())
                o.error = QStringLiteral("--now needs a time such as 2026-12-08T09:30:00");
            o.now = at;
        } else if (a.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option %1").arg(a);
        } else {
            o.command = a;
        }
    }
    return o;
}

std::optional<QString> CliOptions::option(const QString& name) const {
    for (const auto& [key, value] : values)
        if (key == name)
            return value;
    return std::nullopt;
}

QStringList CliOptions::optionValues(const QString& name) const {
    QStringList found;
    for (const auto& [key, value] : values)
        if (key == name)
            found << value;
    return found;
}
