#include "submit/MailStep.h"

#include "base/ShipkitError.h"
#include "reports/TReportsFrm.h"
#include "submit/MailListing.h"
#include "submit/PostingJob.h"
#include "submit/RunSettings.h"

void MailStep::prepare(const RunSettings& settings) {
    m_poster = std::make_unique<MailPoster>(
        m_paths, m_view,
        MailPoster::Setup{settings.smtpServer, settings.senderEmail, settings.senderName,
                          settings.smtpTimeOutSeconds});
    m_poster->setTransport(
        {settings.smtpSecurity, settings.smtpUser, settings.smtpPassword, settings.caFile});
}

bool MailStep::run(const PostingJob& job) {
    const ExpansionContext& context = job.context;
    if (!m_poster || !context.app || !context.company)
        throw ShipkitError(QStringLiteral("The e-mail step was not prepared for this run."));
    const MailListing listing{*job.engine, *context.app, *context.company, context,
                              job.newListing ? QStringLiteral("New") : QStringLiteral("Update")};
    const bool sent = m_poster->PostByEmail(job.newListing, listing, job.copy);
    for (const QString& line : m_poster->reportLines())
        m_reports.AddLogLine(line);
    return sent;
}

void MailStep::abort(Abort reason) {
    if (m_poster && reason == Abort::Skip)
        m_poster->Skip();
}
