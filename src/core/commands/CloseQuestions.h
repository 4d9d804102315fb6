#pragma once

class ApplicationCommands;
class CompanyCommands;
class Session;
class SiteBuilderCommands;
class SiteListCommands;

// The save questions asked before the main window closes.
class CloseQuestions {
public:
    CloseQuestions(Session& session, CompanyCommands& companies, ApplicationCommands& apps,
                   SiteBuilderCommands& engines, SiteListCommands& siteList)
        : m_session(session), m_companies(companies), m_apps(apps), m_engines(engines),
          m_siteList(siteList) {}

    // True when the window may close; Cancel on any question keeps it open.
    bool FormCloseQuery();

private:
    Session& m_session;
    CompanyCommands& m_companies;
    ApplicationCommands& m_apps;
    SiteBuilderCommands& m_engines;
    SiteListCommands& m_siteList;
};
