#pragma once

#include "commands/ContributeCommands.h"

#include <QDialog>

class QLabel;
class QPushButton;
class Session;

// "Contribute Engine to Tallmark:": sends the current site's files to the maker on "Submit".
class TContributeFrm : public QDialog {
    Q_OBJECT
public:
    explicit TContributeFrm(Session& session, QWidget* parent = nullptr);

    // "Contribute!" or the byte format group's menu item: saves a changed site, then shows the
    // dialog. True when the site was sent.
    static bool ContributeBtnClick(Session& session, QWidget* parent);

    void SubmitBtnClick();
    bool sent() const { return m_sent; }

protected:
    // No way out while the mail goes; the client's time-out ends every wait.
    void reject() override;

private:
    QLabel* addText(const char* name, const QString& text);
    QWidget* buildButtons();
    void showSending();

    ContributeCommands m_commands;
    QLabel* m_text1 = nullptr;
    QLabel* m_text2 = nullptr;
    QLabel* m_panel = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_submit = nullptr;
    bool m_sending = false;
    bool m_sent = false;
};
