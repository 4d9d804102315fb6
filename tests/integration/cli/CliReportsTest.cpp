#include "base/Clock.h"
#include "reports/ReportInputs.h"
#include "reports/TReportsFrm.h"
#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

class OneApp : public ReportInputs {
public:
    QString applicationName() const override { return QStringLiteral("Café Tool"); }
    QStringList runLog() const override { return {}; }
    QStringList httpResponse() const override { return {}; }
};

class CliReportsTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    CliRun run(QStringList args) { return CliRun::inWorkspace(ws, args); }
    void folder(const QString& relative) { QDir().mkpath(ws.path(relative)); }
};

TEST_F(CliReportsTest, NoReportsPrintsNothing) {
    const CliRun r = run({"reports"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(CliReportsTest, ListsApplicationFoldersOnePerLine) {
    folder("reports/Zed Tool/1998-03-07-09-05-02-07");
    folder("reports/alpha");
    folder("reports/.hidden");
    ws.write("reports/stray.htm", "x");
    const CliRun r = run({"reports"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "alpha\nZed Tool\n");
}

TEST_F(CliReportsTest, ListsTheRunsTheReportWriterMade) {
    const Workspace paths = Workspace::at(ws.dir());
    for (const QString& f : paths.folders())
        QDir().mkpath(f);
    FixedClock clock(QDateTime(QDate(1998, 3, 7), QTime(9, 5, 2, 7), QTimeZone::utc()));
    OneApp inputs;
    TReportsFrm writer(paths, clock, inputs);
    writer.StartRun();
    writer.FinishRun();
    clock.set(QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59, 999), QTimeZone::utc()));
    writer.StartRun();
    writer.FinishRun();

    const CliRun r = run({"reports", "Café Tool"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1998-03-07-09-05-02-07\n1999-12-31-23-59-59-999\n");
    EXPECT_EQ(run({"reports"}).out, "Café Tool\n");
}

TEST_F(CliReportsTest, AnApplicationWithoutRunsPrintsNothing) {
    folder("reports/Tool");
    const CliRun r = run({"reports", "Tool"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "");
}

TEST_F(CliReportsTest, AnApplicationNeverRunPrintsNothingAndNamesNoOtherFolder) {
    folder("reports/Tool/1998-03-07-09-05-02-07");
    for (const char* app : {"Other", "..", "Tool/1998-03-07-09-05-02-07"}) {
        const CliRun r = run({"reports", app});
        EXPECT_EQ(r.exitCode, 0) << app;
        EXPECT_EQ(r.out, "") << app;
        EXPECT_EQ(r.err, "") << app;
    }
}

} // namespace
