#pragma once

#include <QString>
#include <QStringList>

class RunView;
class TMailMessage;
class TMailSMTP;
struct MailListing;
struct Workspace;

// The e-mail step of a submission run: sends one site's submission mail, or the copy of it to
// the company contact, through a new SMTP client per mail. Progress goes to "mailstatus",
// "ProgressBar1" and the run log as it happens; the lines for the site's e-mail report page are
// kept in reportLines() for the caller to write.
class MailPoster {
public:
    // The mail settings "SMTP", "EMAIL", "NAME" and "SMTPTimeOut".
    struct Setup {
        QString server;
        QString senderAddress;
        QString senderName;
        int timeOutSeconds = 60;
    };
    // How the mail travels: "SMTPSECURITY", "SMTPUSER", "SMTPPASSWORD" and "CAFILE".
    struct Transport {
        QString security;
        QString user;
        QString password;
        QString caFile;
    };

    MailPoster(const Workspace& paths, RunView& view, Setup setup);

    // One mail: the submission mail (copy false) or the copy to the contact. Fails on any error
    // before the server took the mail, and after Skip. Never raises.
    bool PostByEmail(bool isNew, const MailListing& listing, bool copy);
    // For the run's Skip: a send in progress is canceled; a mail not yet sent is not sent.
    // Safe to call from inside the send's wait.
    void Skip();
    // Unset, the mail goes as before: no TLS, no login.
    void setTransport(const Transport& transport) { m_transport = transport; }
    // The report page lines of the last call.
    const QStringList& reportLines() const { return m_report; }

private:
    bool post(bool isNew, const MailListing& listing, bool copy);
    bool compose(TMailMessage& message, bool isNew, const MailListing& listing, bool copy);
    bool send(TMailMessage& message);
    bool refuse(const QString& problem, const QString& who);

    QString m_programDir;
    QString m_logFile;
    RunView& m_view;
    Setup m_setup;
    Transport m_transport;
    QStringList m_report;
    TMailSMTP* m_sending = nullptr;
    bool m_skipped = false;
};
