#pragma once

#include "submit/AppSiteEntry.h"

#include <QStringList>
#include <vector>

class QDate;
class TEngBuild;
struct ApplicationRecord;
struct Workspace;

// The current application's list of every site engine: built from the engines, merged with
// the stored "<application>_SITES.dat", checked against the application, saved back.
// It asks nothing and tracks no changes: the site-list commands do.
class AppSiteList {
public:
    static const QChar Separator; // "±"

    struct Counts {
        int total = 0, newCount = 0, update = 0, http = 0, ftp = 0, ftpZip = 0, email = 0;
    };
    enum class AllButton { ToNew, ToUpdate, ToPost, ToNoPost };

    // app: the application as it is edited now; its platform and status decide compatibility.
    AppSiteList(const Workspace& workspace, const ApplicationRecord& app)
        : m_workspace(workspace), m_app(app) {}

    const std::vector<AppSiteEntry>& rows() const { return m_rows; }
    int selected() const { return m_selected; }
    const AppSiteEntry* selectedRow() const;
    void select(int row);
    void selectUp();
    void selectDown();

    // A read-only list is rebuilt as usual but never saved: for commands that only read.
    void setReadOnly(bool on) { m_readOnly = on; }
    // Rebuilds the rows from the engines and the application's stored list, and saves it.
    void LoadSiteList(const TEngBuild& engines, const QString& application);
    // Raises ShipkitError when the list is read-only or the file cannot be written.
    void SaveSiteList(const QString& application) const;
    QString path(const QString& application) const;
    bool IsSiteCompatible(int row) const;
    // Whether a run takes the row up: named for it (every row when none are named) and P not
    // "N". An empty P posts like "Y".
    bool toPost(int row, const QStringList& only = {}) const;
    // The rows a run will post: taken up and able to take the application.
    bool counted(int row, const QStringList& only = {}) const;
    Counts CountSitesToPost(const QStringList& only = {}) const;
    // The first counted row whose category is still "NOT SET!"; -1 when there is none.
    int firstMissingCategory(const QStringList& only = {}) const;
    // A successful post: the listing becomes "Update", posted today.
    void recordPosted(int row, const QDate& today);

    // The edits of the selected row; setCategory is false when nothing was set.
    void setSubmit(const QString& kind);
    bool setCategory(int list, const QString& label);
    // False when the site cannot take the application (then nothing changes).
    bool setPost(bool on);
    // One of the four all-buttons over every row.
    void applyToAll(AllButton button);

    // The pop-up's captions for the selected row, and its toggles.
    QStringList popupCaptions() const;
    void toggleKind();
    // "Unknown" and today's date in turn.
    void togglePostDate(const QDate& today);

    // The display texts of a site's category file; empty when the file is missing.
    QStringList categoryLabels(const TEngBuild& engines, const QString& site, int list) const;

private:
    AppSiteEntry entryFor(const TEngBuild& engines, const QString& site, bool& exists) const;
    AppSiteEntry* current();

    const Workspace& m_workspace;
    const ApplicationRecord& m_app;
    std::vector<AppSiteEntry> m_rows;
    int m_selected = -1;
    bool m_readOnly = false;
};
