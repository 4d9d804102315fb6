#pragma once

#include "CliOptions.h"

#include <QTextStream>
#include <functional>

class Session;

// shipkit-cli's script commands: expand, check-engines and mass-change.
class ScriptCommands {
public:
    // Prints the problem and the usage text; gives the bad-usage exit code.
    using Usage = std::function<int(const QString&)>;

    ScriptCommands(Session& session, const CliOptions& options, QTextStream& out, QTextStream& err,
                   Usage usage);

    int expand();
    int checkEngines();
    int massChange();

private:
    int fail(const QString& message);
    int dryRun(const QString& from, const QString& to);
    std::optional<QString> scriptText();
    void setRowLabels(const QString& site, QString& cat1, QString& cat2) const;
    int runCheck(const QString& site);

    Session& m_session;
    const CliOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    Usage m_usage;
};
