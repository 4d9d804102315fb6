#pragma once

#include "submit/AppSiteEntry.h"

#include <QStringList>
#include <vector>

class Session;

// The current application's list of every site engine: built from the engines, merged with
// the stored "<application>_SITES.dat", checked against the application, saved back.
class AppSiteList {
public:
    static const QChar Separator; // "±"

    struct Counts {
        int total = 0, newCount = 0, update = 0, http = 0, ftp = 0, ftpZip = 0, email = 0;
    };
    enum class AllButton { ToNew, ToUpdate, ToPost, ToNoPost };

    explicit AppSiteList(Session& session) : m_session(session) {}

    const std::vector<AppSiteEntry>& rows() const { return m_rows; }
    int selected() const { return m_selected; }
    const AppSiteEntry* selectedRow() const;
    void select(int row);
    void selectUp();
    void selectDown();

    void LoadSiteList();
    void SaveSiteList(const QString& application) const;
    QString path(const QString& application) const;
    bool IsSiteCompatible(int row) const;
    Counts CountSitesToPost() const;

    // The detail panel's edits of the selected row.
    void setSubmit(const QString& kind);
    void setCategory(int list, const QString& label);
    // False (after the message) when the site cannot take the application.
    bool setPost(bool on);
    // The four all-buttons, after their confirmation; false when nothing was asked or the
    // user said No.
    bool GridAllBtnsClick(AllButton button);

    // The pop-up's commands and the captions it shows for the selected row.
    QStringList popupCaptions() const;
    void popupTogglePost();
    void popupToggleKind();
    void popupTogglePostDate();

    // The display texts of a site's category file; empty when the file is missing.
    QStringList categoryLabels(const QString& site, int list) const;

private:
    AppSiteEntry entryFor(const QString& site, bool& exists) const;
    void merge(const QStringList& fields);
    AppSiteEntry* current();

    Session& m_session;
    std::vector<AppSiteEntry> m_rows;
    int m_selected = -1;
};
