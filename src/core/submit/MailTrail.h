#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class RunView;
class TMailSMTP;

// What the SMTP client reports while it sends one mail: a line on the site's e-mail report page
// for every event, most of them in the run log too, the progress in "ProgressBar1". Remembers
// whether an error came before the server took the mail; one after it does not undo the mail.
class MailTrail : public QObject {
    Q_OBJECT
public:
    MailTrail(TMailSMTP& smtp, RunView& view);

    // An error raised out of the send or met before it: on the report page, unless the
    // client's error event has just told the same message.
    void raised(const QString& message);
    bool failed() const { return m_failed; }
    bool delivered() const { return m_delivered; }
    const QStringList& reportLines() const { return m_report; }

private:
    void wire(TMailSMTP& smtp);
    void error(const QString& message);
    void both(const QString& report, const QString& runLog);

    RunView& m_view;
    QStringList m_report;
    QString m_lastError;
    bool m_failed = false;
    bool m_delivered = false;
};
