#pragma once

#include "base/Clock.h"
#include "reports/ReportInputs.h"
#include "reports/TReportsFrm.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QTimeZone>
#include <gtest/gtest.h>

// What the running submission would hand the report writer.
class FakeReportInputs : public ReportInputs {
public:
    QString app;
    QStringList log;
    QStringList response;
    QString applicationName() const override { return app; }
    QStringList runLog() const override { return log; }
    QStringList httpResponse() const override { return response; }
};

// A workspace in a temporary folder, a clock the test moves, and US English formats.
class ReportsFixture : public ::testing::Test {
protected:
    TempWorkspace ws;
    QString root = ws.dir();
    FixedClock clock{at(9, 5, 2, 7)};
    FakeReportInputs inputs;

    static QDateTime at(int h, int m, int s, int ms = 0) {
        return QDateTime(QDate(1998, 3, 7), QTime(h, m, s, ms), QTimeZone::utc());
    }
    static QLocale us() { return QLocale(QLocale::English, QLocale::UnitedStates); }

    Workspace makeWorkspace(const QString& dir) {
        root = dir;
        const Workspace paths = Workspace::at(dir);
        for (const QString& folder : paths.folders())
            QDir().mkpath(folder);
        return paths;
    }
    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every line followed by CR LF, as the pages are written.
    static QByteArray crlf(const QStringList& lines) {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        return bytes;
    }
};
