#pragma once

#include "CliOptions.h"

#include <QTextStream>
#include <functional>

class Session;

// shipkit-cli's site commands: engines, engine show and sites.
class SiteCommands {
public:
    using Usage = std::function<int(const QString&)>;

    SiteCommands(Session& session, const CliOptions& options, QTextStream& out, QTextStream& err,
                 Usage usage);

    int engines();
    int engineShow();
    int sites();

private:
    int fail(const QString& message);
    int print(const QStringList& lines);

    Session& m_session;
    const CliOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    Usage m_usage;
};
