#pragma once

#include <QString>
#include <QStringList>

class Session;
class TEngBuild;

// "Contribute!" and " Contribute Site To Tallmark": the current site's files go by mail to the
// maker's mailbox through the maker's server, both named by the settings.
class ContributeCommands {
public:
    explicit ContributeCommands(Session& session) : m_session(session) {}

    // Before the dialog opens: a changed site is saved first, so the mail carries what the
    // builder shows. False (after saying so) when there is no site to send.
    bool ContributeBtnClick();
    // "Submit"'s check: false, after the beep and the message, when the company contact's name
    // or address is missing.
    bool contactFilledIn();
    // Sends the mail and says how it went; true when the server took it.
    bool SubmitBtnClick();
    // The files that travel, in order: settings, both category lists, the five scripts.
    QStringList siteFiles() const;

private:
    bool send();
    TEngBuild& engines() const;

    Session& m_session;
};
