#pragma once

#include "submit/AppSiteList.h"

#include <QString>

class Session;

// The Sites page's commands on the current application's site list: each edit marks the list
// changed, the questions and refusals are asked here, and the list is saved in one place.
class SiteListCommands {
public:
    explicit SiteListCommands(Session& session) : m_session(session) {}

    void setSubmit(const QString& kind);
    void setCategory(int list, const QString& label);
    // False (after the message) when the site cannot take the application.
    bool setPost(bool on);
    // The four all-buttons, after their confirmation; false when nothing was asked or the
    // user said No.
    bool GridAllBtnsClick(AppSiteList::AllButton button);

    // The grid's pop-up commands.
    void popupTogglePost();
    void popupToggleKind();
    void popupTogglePostDate();

    // "Save Changes", and the save offered on closing.
    void AppSiteChangeBtnClick();

    QStringList categoryLabels(const QString& site, int list) const;

private:
    AppSiteList& list() const;
    void changed();

    Session& m_session;
};
