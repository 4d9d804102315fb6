#pragma once

#include "records/CompanyRecord.h"

#include <QWidget>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class Session;

// "Company Info": the company selector, the twelve contact fields and the company commands.
class CompanyPage : public QWidget {
    Q_OBJECT
public:
    explicit CompanyPage(Session& session, QWidget* parent = nullptr);

    QComboBox* compname() const { return m_compname; }
    QLineEdit* field(CompanyRecord::Field f) const { return m_fields[f]; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* bhsButton() const { return m_bhs; }

    // Shows the session's company list and fields again.
    void refreshList();
    void refreshFields();

Q_SIGNALS:
    // The user picked a company in the selector.
    void companyChosen(int index);

private:
    QWidget* buildFields();
    QWidget* buildButtons();

    Session& m_session;
    QComboBox* m_compname = nullptr;
    std::array<QLineEdit*, CompanyRecord::FieldCount> m_fields{};
    QPushButton* m_new = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_bhs = nullptr;
};
