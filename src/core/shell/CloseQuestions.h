#pragma once

#include <QString>
#include <functional>

class ApplicationCommands;
class CompanyCommands;
class Session;

// The save questions asked before the main window closes.
class CloseQuestions {
public:
    CloseQuestions(Session& session, CompanyCommands& companies, ApplicationCommands& apps)
        : m_session(session), m_companies(companies), m_apps(apps) {}

    // Savers of the site list and the site engine, given by their pages.
    std::function<void()> saveSiteList;
    std::function<void()> saveEngine;

    // True when the window may close; Cancel on any question keeps it open.
    bool FormCloseQuery();

private:
    // False when the user cancelled.
    bool ask(bool condition, const QString& what, const std::function<void()>& save);

    Session& m_session;
    CompanyCommands& m_companies;
    ApplicationCommands& m_apps;
};
