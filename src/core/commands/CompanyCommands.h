#pragma once

class Session;

// "New Company", "Delete Company" and "Save Company".
class CompanyCommands {
public:
    explicit CompanyCommands(Session& session) : m_session(session) {}

    void NewCompanyBtnClick();
    void DeleteCompanyBtnClick();
    void SaveCompanyBtnClick();
    void ClearCompanyFields();

private:
    void saveCompanyList();

    Session& m_session;
};
