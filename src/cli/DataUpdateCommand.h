#pragma once

#include "CliOptions.h"

#include <QTextStream>
#include <functional>

class Session;

// shipkit-cli update [--url URL | --file ARCHIVE]: the site data update without its dialog.
class DataUpdateCommand {
public:
    using Usage = std::function<int(const QString&)>;

    DataUpdateCommand(Session& session, const CliOptions& options, QTextStream& out,
                      QTextStream& err, Usage usage);

    int run();

private:
    int fail(const QString& message);
    int update(const std::optional<QString>& url, const std::optional<QString>& file);

    Session& m_session;
    const CliOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    Usage m_usage;
};
