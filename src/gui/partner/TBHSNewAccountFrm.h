#pragma once

#include "partner/BhsAccountForm.h"

#include <QDialog>
#include <array>
#include <optional>

class BhsClient;
class PartnerCommands;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// "Get New BHS Account:": the company's details for the partner site, sent as its new-account
// form. newId() is the identifier the site gave, empty when it gave none.
class TBHSNewAccountFrm : public QDialog {
    Q_OBJECT
public:
    TBHSNewAccountFrm(const PartnerCommands& commands, Prompter& prompter,
                      QWidget* parent = nullptr);

    const QString& newId() const { return m_newId; }
    QLineEdit* edit(BhsAccountForm::Field field) const { return m_edits[field]; }

    void RequestBtnClick();

protected:
    // Closing while the site is asked stops the request first.
    void reject() override;

private:
    void buildWidgets(const BhsAccountForm& form);
    QWidget* buildWaitPanel();
    QWidget* buildButtons();
    BhsAccountForm fromEdits() const;
    void showForm(const BhsAccountForm& form);
    // Empty when the request failed.
    std::optional<QString> send(const BhsAccountForm& form);

    Prompter& m_prompter;
    BhsClient* m_client;
    std::array<QLineEdit*, BhsAccountForm::FieldCount> m_edits{};
    QWidget* m_panel = nullptr;
    QLabel* m_statusLine = nullptr;
    QPushButton* m_request = nullptr;
    QString m_newId;
    bool m_busy = false;
    bool m_closeRequested = false;
};
