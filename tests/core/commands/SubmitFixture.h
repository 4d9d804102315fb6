#pragma once

#include "base/Clock.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SubmitCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "submit/PostingJob.h"
#include "submit/PostingStep.h"
#include "submit/RunSettings.h"
#include "support/RecordingRunView.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

// A posting step that does what the test says and remembers how it was called.
class FakeStep : public PostingStep {
public:
    QStringList calls; // "run SITE", "run SITE copy", "abort skip", "abort cancel", "finish"
    RunSettings settings;
    std::function<bool(const PostingJob&)> onRun;

    void prepare(const RunSettings& s) override { settings = s; }
    bool run(const PostingJob& job) override {
        calls << QStringLiteral("run ") + job.site +
                     (job.copy ? QStringLiteral(" copy") : QString());
        return onRun ? onRun(job) : true;
    }
    void abort(Abort reason) override {
        calls << (reason == Abort::Skip ? QStringLiteral("abort skip")
                                        : QStringLiteral("abort cancel"));
    }
    void finishSite() override { calls << QStringLiteral("finish"); }
    int runs() const {
        int n = 0;
        for (const QString& c : calls)
            n += c.startsWith(QLatin1String("run "));
        return n;
    }
};

// A workspace with one company, one application ready to submit and the engines a test
// writes, loaded as the window loads it, with the Submit driver over it.
class SubmitFixture : public ::testing::Test {
protected:
    TempWorkspace ws;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 30))};
    TGWide gwide{ws.dir()};
    Session session{gwide, prompter, clock};
    CompanyCommands companies{session};
    ApplicationCommands apps{session, companies};
    SiteBuilderCommands engines{session};
    RecordingRunView view;
    SubmitCommands driver{session, view, companies, apps, engines};
    QList<std::pair<QString, bool>> finished;
    QStringList reportsAsked;

    QString today() const {
        return QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    }

    void SetUp() override {
        ws.write("settings.dat", "[SETTINGS]\r\nSMTP=127.0.0.1\r\nEMAIL=me@example.com\r\n"
                                 "NAME=Me\r\n");
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCEMAIL=sales@example.com\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("files/tool.zip", "PK");
        ws.write("data/Tool.dat", ("[APPINFO]\r\n8CHAR=tool\r\nVERSION=2.1\r\n"
                                   "PLATFORM=Windows 95\r\nDSTATUS=Author\r\nSTATUS=Shareware\r\n"
                                   "PATH=" +
                                   ws.path("files/tool.zip") + "\r\n")
                                      .toUtf8());
        ws.write("data/Tool.lds", "A long description.\r\n");
        QObject::connect(&driver, &SubmitCommands::siteFinished,
                         [this](const QString& site, bool ok) {
                             finished.append({site, ok});
                         });
        QObject::connect(&driver, &SubmitCommands::viewReportRequested,
                         [this](const QString& path) { reportsAsked << path; });
    }
    // An engine's settings file; sites.dat lists every engine written before start().
    void engine(const QString& name, const QByteArray& settings) {
        ws.write("sites/" + name + ".ini", "[SETTINGS]\r\n" + settings);
        m_engines << name;
    }
    // Loads the workspace as start-up does; stored: the application's site list file.
    void start(const QStringList& stored = {}) {
        ws.write("sites/Sites.dat", (m_engines.join("\r\n") + "\r\n").toUtf8());
        if (!stored.isEmpty())
            ws.write("data/Tool_SITES.dat", (stored.join("\r\n") + "\r\n").toUtf8());
        ASSERT_TRUE(session.LoadWorkspace());
        session.settings = Settings::read(ws.dir());
        session.selectApp(0);
        session.CompanyUnsaved = session.AppUnsaved = session.EngineUnsaved = false;
    }
    // A stored site list line.
    static QString line(const QStringList& fields) { return fields.join(QChar(0x00B1)); }
    QStringList siteListFile() const {
        return QString::fromUtf8(ws.read("data/Tool_SITES.dat")).split("\r\n", Qt::SkipEmptyParts);
    }
    QStringList reportFiles() const {
        return QDir(QFileInfo(driver.mainReportPath()).path()).entryList(QDir::Files, QDir::Name);
    }
    // "View Report?" is answered No unless the test queued another answer.
    SubmitCommands::Outcome submit() { return driver.submitBtnClick(); }
    // A run re-wraps the long description, which leaves the application unsaved: a test that
    // submits again first puts it back as loaded.
    void reload() {
        session.selectApp(0);
        session.CompanyUnsaved = session.AppUnsaved = session.EngineUnsaved = false;
    }

private:
    QStringList m_engines;
};
