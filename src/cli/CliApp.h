#pragma once

#include "CliOptions.h"

#include <QTextStream>
#include <memory>

class Clock;
class PrintingPrompter;
class Session;
class TGWide;
class WorkspaceLock;

// shipkit-cli: opens the workspace as start-up does and runs one command on it.
class CliApp {
public:
    enum Exit {
        Ok = 0,
        Failed = 1,
        BadUsage = 2,
        ExpansionFailed = 3,
        SitesFailed = 4,
        RunCancelled = 5
    };

    CliApp(QTextStream& out, QTextStream& err);
    ~CliApp();

    int run(const QStringList& arguments, const QString& executableDir);

private:
    int openWorkspace(const QString& executableDir);
    int dispatch();
    int usage(const QString& problem);
    int fail(const QString& message);

    int init();
    int companies();
    int update();
    int apps();
    int companyShow();
    int appShow();
    int reports();
    int scriptCommand();
    int siteCommand();
    int submit();
    std::optional<QString> showTarget(const char* what);
    int printLines(const QStringList& lines);

    QTextStream& m_out;
    QTextStream& m_err;
    CliOptions m_options;
    std::unique_ptr<WorkspaceLock> m_lock;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<PrintingPrompter> m_prompter;
    std::unique_ptr<TGWide> m_gwide;
    std::unique_ptr<Session> m_session;
};
