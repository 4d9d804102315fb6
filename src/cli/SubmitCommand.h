#pragma once

#include "CliOptions.h"

#include <QTextStream>
#include <functional>
#include <optional>

class Session;

// shipkit-cli submit: loads the company and the application as "sites" does, then runs the
// submission as the Submit button does, without dialogs.
class SubmitCommand {
public:
    using Usage = std::function<int(const QString&)>;

    SubmitCommand(Session& session, const CliOptions& options, QTextStream& out, QTextStream& err,
                  Usage usage);

    int run();

private:
    struct Request {
        QString company;
        QString app;
        QStringList sites;
    };

    // nullopt after a usage error (then m_exit holds its code).
    std::optional<Request> parse();
    // False after the message: an unknown company, application or site.
    bool load(const Request& request);
    int submit(const QStringList& sites);
    int fail(const QString& message);

    Session& m_session;
    const CliOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    Usage m_usage;
    int m_exit = 0;
};
