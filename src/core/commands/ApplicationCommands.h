#pragma once

#include <QString>

class CompanyCommands;
class Session;

// "New Application", "Delete Application", "Save Application" and the field rules.
class ApplicationCommands {
public:
    ApplicationCommands(Session& session, CompanyCommands& companies)
        : m_session(session), m_companies(companies) {}

    void NewAppBtnClick();
    void DeleteAppBtnClick();
    // The three "Save Application" buttons.
    void SaveAppBtnClick();
    // Record file, ".lds" and ".nts"; nothing without an application.
    void SaveApplication();
    void ClearApplicationFields();

    // Choosing another company shows its own applications; unsaved edits of the application
    // shown are offered for saving first. False when the user cancelled.
    bool chooseCompany(int index);
    // Choosing another application offers to save the one shown; false when cancelled.
    bool chooseApp(int index);

    // Leaving the 8-character name field: false when the name was refused (the field is
    // then emptied and keeps the focus); otherwise the name is lower-cased.
    bool char8nameExit();

private:
    // False when the user cancelled.
    bool askToSaveApplication();

    Session& m_session;
    CompanyCommands& m_companies;
};
