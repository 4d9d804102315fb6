#include "submit/MailTrail.h"

#include "net/TMailSMTP.h"
#include "submit/RunView.h"

MailTrail::MailTrail(TMailSMTP& smtp, RunView& view) : m_view(view) {
    wire(smtp);
}

void MailTrail::wire(TMailSMTP& smtp) {
    connect(&smtp, &TMailSMTP::open, this, [this] {
        both(QStringLiteral("Opening SMTP Connection"), QStringLiteral("Opening SMTP Connection"));
    });
    connect(&smtp, &TMailSMTP::prepare, this, [this] {
        both(QStringLiteral("Preparing Message"), QStringLiteral("Preparing Message"));
    });
    connect(&smtp, &TMailSMTP::sending, this,
            [this] { both(QStringLiteral("Sending Message"), QStringLiteral("Sending Message")); });
    connect(&smtp, &TMailSMTP::progress, this,
            [this](int percent, qint64) { m_view.setMailProgress(percent, true); });
    connect(&smtp, &TMailSMTP::addressRejected, this,
            [this](const QString&, bool&, const QString&) {
                const QString line = QStringLiteral("ERROR -> Address Rejected By Server");
                both(line, line);
                m_failed = true;
            });
    connect(&smtp, &TMailSMTP::mailSent, this, [this] {
        m_delivered = true;
        both(QStringLiteral("Mail Sent"), QStringLiteral("Mail Sent"));
        m_view.setMailProgress(0, true);
    });
    connect(&smtp, &TMailSMTP::closing, this, [this] {
        both(QStringLiteral("Closing Connection"), QStringLiteral("Closing SMTP Connection"));
    });
    connect(&smtp, &TMailSMTP::closed, this,
            [this] { m_report << QStringLiteral("Connection Closed"); });
    connect(&smtp, &TMailSMTP::cancel, this,
            [this] { m_report << QStringLiteral("MailSend Operation Canceled!"); });
    connect(&smtp, &TMailSMTP::error, this, &MailTrail::error);
}

void MailTrail::raised(const QString& message) {
    if (message != m_lastError)
        m_report << QStringLiteral("ERROR -> ") + message;
    m_lastError.clear();
    if (!m_delivered)
        m_failed = true;
}

void MailTrail::error(const QString& message) {
    m_lastError = message;
    m_report << QStringLiteral("ERROR -> ") + message;
    // A failed goodbye after the server took the mail is noted only: the mail is delivered.
    if (m_delivered)
        return;
    m_view.AddRunLog(QStringLiteral("SMTP Error"));
    m_failed = true;
}

void MailTrail::both(const QString& report, const QString& runLog) {
    m_report << report;
    m_view.AddRunLog(runLog);
}
