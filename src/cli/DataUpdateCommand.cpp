#include "DataUpdateCommand.h"

#include "CliApp.h"
#include "base/ShipkitError.h"
#include "commands/UpdateCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "update/SiteDataUpdate.h"

DataUpdateCommand::DataUpdateCommand(Session& session, const CliOptions& options, QTextStream& out,
                                     QTextStream& err, Usage usage)
    : m_session(session), m_options(options), m_out(out), m_err(err), m_usage(std::move(usage)) {}

int DataUpdateCommand::fail(const QString& message) {
    m_err << message << Qt::endl;
    return CliApp::Failed;
}

int DataUpdateCommand::run() {
    if (m_options.option(QStringLiteral("--url")) && m_options.option(QStringLiteral("--file")))
        return m_usage(QStringLiteral("update takes --url or --file, not both"));
    return update(m_options.option(QStringLiteral("--url")),
                  m_options.option(QStringLiteral("--file")));
}

int DataUpdateCommand::update(const std::optional<QString>& url,
                              const std::optional<QString>& file) {
    UpdateRequest request = UpdateCommands(m_session).request();
    if (url)
        request.url = *url;
    SiteDataUpdate update(m_session.gwide().paths());
    QStringList installed;
    try {
        installed = file ? update.install(*file) : update.download(request);
    } catch (const ShipkitError& e) {
        return fail(e.message());
    }
    for (const QString& line : installed)
        m_out << line << "\n";
    m_out << "Data File Update Complete" << Qt::endl;
    return CliApp::Ok;
}
