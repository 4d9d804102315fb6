// Script expansion and the engine check: a 100 KB script with 2,000 variables, a 50 KB long
// description inserted through %APPLONGDESC%, and the check over 2,000 engines.
#include "base/Clock.h"
#include "engines/SiteEngine.h"
#include "engines/TEngBuild.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "scripts/ScriptChecker.h"
#include "scripts/ScriptExpander.h"
#include "shell/PrintingPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

struct Fixture {
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(21, 5))};
    ExpansionContext context;

    Fixture() {
        company[CompanyRecord::CONAME] = QStringLiteral("Larkspur Lane Softworks");
        company[CompanyRecord::CONTACT] = QStringLiteral("Ann Example");
        app.setValue(QStringLiteral("VERSION"), QStringLiteral("2.04"));
        app.setValue(QStringLiteral("SIZE32"), QStringLiteral("1572864"));
        app.setValue(QStringLiteral("SHORTDESC"), QStringLiteral("A small note pad"));
        app.setValue(QStringLiteral("8CHAR"), QStringLiteral("KITEPAD"));
        engine.name = QStringLiteral("Bench Site");
        engine.set(QStringLiteral("BYTE_FORMAT"), QStringLiteral("2"));
        engine.cat1 = QStringLiteral("util\">Utilities");
        context.company = &company;
        context.app = &app;
        context.appName = QStringLiteral("Kitepad");
        context.engine = &engine;
        context.clock = &clock;
    }
};

// About 100 KB of text with 2,000 variables spread through it.
QString bigScript() {
    static const char* const names[] = {"APPNAME",  "COMPNAME", "APPVERSION", "APPSIZE32",
                                        "SITENAME", "CONTNAME", "FBBSDESC",   "CURDATE_YEAR",
                                        "APP32DL1", "SITECAT1"};
    const QString filler(40, u'x');
    QString text;
    text.reserve(110 * 1024);
    for (int i = 0; i < 2000; ++i)
        text += filler + u'%' + QLatin1String(names[i % 10]) + u'%' + filler + u'&';
    while (text.size() < 100 * 1024)
        text += u'y';
    return text;
}

void BM_Expand100KbWith2000Variables(benchmark::State& state) {
    Fixture f;
    const QString text = bigScript();
    for (auto _ : state) {
        ScriptExpander x(f.context);
        benchmark::DoNotOptimize(x.ExpandText(text, false));
        if (x.ScriptError())
            std::abort();
    }
}
BENCHMARK(BM_Expand100KbWith2000Variables)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

void BM_Expand100KbWith50KbLongDescription(benchmark::State& state) {
    Fixture f;
    QString description;
    while (description.size() < 50 * 1024)
        description += QStringLiteral("Kitepad keeps notes in plain files.\r\n");
    f.app.longDescription = description;
    const QString text = QStringLiteral("desc=%APPLONGDESC%&") + bigScript();
    for (auto _ : state) {
        ScriptExpander x(f.context);
        benchmark::DoNotOptimize(x.ExpandText(text, false));
        if (x.ScriptError())
            std::abort();
    }
}
BENCHMARK(BM_Expand100KbWith50KbLongDescription)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly();

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

// 2,000 engines with five scripts each; one in a hundred has a misspelt variable.
void makeEngines(const QString& dir) {
    QDir().mkpath(dir + QStringLiteral("sites"));
    QByteArray list;
    for (int e = 0; e < 2000; ++e) {
        const QByteArray site = "Site " + QByteArray::number(e);
        list += site + "\r\n";
        for (const char* suffix :
             {" HTTP_NEW", " HTTP_UPDATE", " FTP_NEW", " EMAIL_NEW", " EMAIL_UPDATE"}) {
            QByteArray body = "name=%APPNAME%&ver=%APPVERSION%&size=%APPSIZE32%\r\n"
                              "company=%COMPNAME%&contact=%CONTNAME%&mail=%CONTEMAIL%\r\n"
                              "url=%APPURL%&dl=%APP32DL1%&desc=%APPSHORTDESC%\r\n";
            if (e % 100 == 0)
                body += "oops=%appname%\r\n";
            writeFile(dir + QStringLiteral("sites/") + QString::fromUtf8(site + suffix + ".scp"),
                      body);
        }
    }
    writeFile(dir + QStringLiteral("sites/Sites.dat"), list);
}

void BM_EngineCheck2000Engines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    makeEngines(root);
    QTextStream err(stderr);
    PrintingPrompter prompter(err);
    FixedClock clock(QDateTime(QDate(2026, 3, 7), QTime(21, 5)));
    TGWide gwide(root);
    Session session(gwide, prompter, clock);
    if (!session.LoadWorkspace())
        std::abort();
    const ExpansionContext context = session.expansionContext();
    for (auto _ : state) {
        const auto errors = ScriptChecker(*gwide.engBuild(), context).checkEngines();
        if (errors.size() != 100)
            std::abort();
    }
}
BENCHMARK(BM_EngineCheck2000Engines)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
