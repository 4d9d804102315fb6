#pragma once

#include "commands/PartnerCommands.h"

#include <QDialog>
#include <vector>

class BhsClient;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class Session;
struct BhsAccount;

// "Beverly Hills Software ID": lists the partner site's accounts to pick the company's own, or
// asks the site for a new account.
class TBHSFrm : public QDialog {
    Q_OBJECT
public:
    TBHSFrm(Session& session, QWidget* parent = nullptr);

    // The company page's "BHS ID#": the checks, then the dialog.
    static void BHSIDBtnClick(Session& session, QWidget* parent);

    QTreeWidget* AccountList() const { return m_list; }

    void BrowseBtnClick();
    void NewAccountBtnClick();
    void UseSelectedBtnClick();

protected:
    // Closing while the site is asked stops the request first.
    void reject() override;

private:
    void buildWidgets();
    QWidget* buildWaitPanel();
    QWidget* buildButtons();
    QPushButton* addButton(const char* name, const char* caption, QWidget* parent);
    // Every failure ends the same way, so the reason is not needed: empty means failed.
    std::vector<BhsAccount> fetchAccounts();
    void showWaiting(bool waiting);
    void showAccounts(const std::vector<BhsAccount>& accounts);
    void AccountListDblClick(QTreeWidgetItem* item);

    Session& m_session;
    PartnerCommands m_commands;
    BhsClient* m_client;
    QTreeWidget* m_list = nullptr;
    QWidget* m_panel = nullptr;
    QLabel* m_statusLine = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_newAccount = nullptr;
    QPushButton* m_use = nullptr;
    bool m_busy = false;
    bool m_closeRequested = false;
};
