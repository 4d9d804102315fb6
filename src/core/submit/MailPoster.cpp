#include "submit/MailPoster.h"

#include "base/ShipkitError.h"
#include "base/Workspace.h"
#include "engines/SiteEngine.h"
#include "net/TMailMessage.h"
#include "net/TMailSMTP.h"
#include "records/CompanyRecord.h"
#include "submit/MailComposer.h"
#include "submit/MailListing.h"
#include "submit/MailSenderIni.h"
#include "submit/MailTrail.h"
#include "submit/RunView.h"

#include <QScopeGuard>
#include <exception>

namespace {

constexpr auto Email = RunView::Method::Email;

} // namespace

MailPoster::MailPoster(const Workspace& paths, RunView& view, Setup setup)
    : m_programDir(paths.ProgramDir), m_logFile(paths.ProgramDir + QStringLiteral("smlogfile.txt")),
      m_view(view), m_setup(std::move(setup)) {}

bool MailPoster::PostByEmail(bool isNew, const MailListing& listing, bool copy) {
    m_report.clear();
    m_skipped = false;
    m_view.setStatus(Email, QStringLiteral("Preparing Email"));
    const QString who = copy ? listing.company[CompanyRecord::CEMAIL] : listing.engine.name;
    // Whatever goes wrong fails this mail only: the run goes on with its next site.
    try {
        return post(isNew, listing, copy);
    } catch (const ShipkitError& e) {
        return refuse(e.message(), who);
    } catch (const std::exception& e) {
        return refuse(QString::fromLocal8Bit(e.what()), who);
    }
}

void MailPoster::Skip() {
    m_skipped = true;
    if (m_sending)
        m_sending->Cancel();
}

bool MailPoster::post(bool isNew, const MailListing& listing, bool copy) {
    const QString& site = listing.engine.name;
    m_view.setStatus(Email, QStringLiteral("Preparing to mail to: ") + site);
    const QString to = MailComposer::recipient(listing, isNew, copy);
    if (!MailComposer::isPlainAddress(to))
        return refuse(QStringLiteral("Invalid address: ") + to, copy ? to : site);
    m_view.setStatus(Email, copy ? QStringLiteral("Preparing Mail Copy To: ") + to
                                 : QStringLiteral("Preparing Mail"));
    TMailMessage message;
    // Made afresh for each mail, so a change to the file counts from the next mail on.
    message.setCharSet(MailSenderIni::read(m_programDir).CharSet);
    message.Recipients().add(to);
    if (!compose(message, isNew, listing, copy))
        return false;
    m_view.setStatus(Email, copy ? QStringLiteral("Sending Mail Copy...")
                                 : QStringLiteral("Sending Mail..."));
    if (m_skipped)
        return false;
    if (!send(message)) {
        m_view.setStatus(Email, QStringLiteral("Mail Send Error"));
        m_view.AddRunLog((copy ? to : site) + QStringLiteral(" EMail ERROR!!!"));
        return false;
    }
    m_view.setStatus(Email, copy ? QStringLiteral("Mail Copy Sent") : QStringLiteral("Mail Sent"));
    m_view.AddRunLog(copy ? to + QStringLiteral(" E-Mailed Copy.")
                          : site + QStringLiteral(" E-Mailed Information."));
    return true;
}

bool MailPoster::compose(TMailMessage& message, bool isNew, const MailListing& listing, bool copy) {
    message.setSubject(MailComposer::subject(listing, isNew, copy));
    message.Sender() = TMailAddress(m_setup.senderAddress, m_setup.senderName);
    const std::optional<QStringList> body = MailComposer::body(listing, copy);
    if (!body) {
        const QString& site = listing.engine.name;
        m_view.AddRunLog(QStringLiteral("No Engine Script For EMAIL Post For: ") + site);
        m_view.AddRunLog(QStringLiteral("Unable to post EMAIL to: ") + site);
        m_view.AddRunLog(site + QStringLiteral(" EMail ERROR!!!"));
        return false;
    }
    message.setBody(*body);
    for (const QString& path : MailComposer::attachments(listing, copy))
        message.Attachments().add(path);
    return true;
}

bool MailPoster::send(TMailMessage& message) {
    TMailSMTP smtp;
    MailTrail trail(smtp, m_view);
    smtp.setServer(m_setup.server);
    smtp.setTimeOut(m_setup.timeOutSeconds);
    smtp.setUser(m_transport.user);
    smtp.setPassword(m_transport.password);
    smtp.setTlsPolicy(TlsPolicy(m_transport.caFile));
    smtp.setLogFile(m_logFile);
    smtp.setMailMessage(&message);
    m_sending = &smtp;
    m_view.setMailProgress(0, true);
    const auto idle = qScopeGuard([this, &trail] {
        m_sending = nullptr;
        m_view.setMailProgress(0, false);
        m_report << trail.reportLines();
    });
    try {
        // A mistyped security must not quietly send in clear text.
        SmtpSecurity security = SmtpSecurity::None;
        if (!TMailSMTP::securityFromText(m_transport.security, security))
            throw ShipkitError(QStringLiteral("SMTPSECURITY is \"%1\"; set it to none, starttls "
                                              "or tls in the settings")
                                   .arg(m_transport.security));
        smtp.setSecurity(security);
        smtp.SendMail();
    } catch (const ShipkitError& e) {
        trail.raised(e.message());
    }
    return !trail.failed();
}

bool MailPoster::refuse(const QString& problem, const QString& who) {
    m_report << QStringLiteral("ERROR -> ") + problem;
    m_view.setStatus(Email, QStringLiteral("Mail Send Error"));
    m_view.AddRunLog(who + QStringLiteral(" EMail ERROR!!!"));
    return false;
}
