// Site engines at scale: 2,000 generated engines. Loading the engine lists, loading one
// engine into the builder, and rebuilding an application's site list.
#include "base/Clock.h"
#include "engines/TEngBuild.h"
#include "shell/PrintingPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace {

constexpr int kEngines = 2000;

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::abort();
}

QByteArray settings(int n) {
    QByteArray s = "[SETTINGS]\r\n";
    s += "BYTE_FORMAT=" + QByteArray::number(n % 3 + 1) + "\r\nSITES_WEB_URL=http://site" +
         QByteArray::number(n) +
         ".example/\r\nUSE_CAT1=1\r\nUSE_CAT2=" + QByteArray::number(n % 2) +
         "\r\nSITE_TYPE=2\r\nSITE_SYSTEM=3\r\nUSE_HTTP_POST=1\r\n";
    for (const char* key : {"MUF_Windows95", "MUF_WindowsNT", "MUF_Shareware", "FTP_SERVER",
                            "LOGIN_NAME", "REMOTE_PATH", "EMAIL_TONAME", "EMAIL_SUBJECT"})
        s += QByteArray(key) + "=value for " + key + "\r\n";
    return s;
}

// A workspace with 2,000 engines, each with settings, two category files and five scripts,
// and one company with one application.
struct BigWorkspace {
    QTemporaryDir dir;
    BigWorkspace() {
        const QString root = dir.path() + '/';
        for (const char* f : {"sites", "cat", "data", "companies"})
            QDir(root).mkpath(f);
        QByteArray list;
        for (int n = 0; n < kEngines; ++n) {
            const QString name = QStringLiteral("Site %1").arg(n, 4, 10, QChar('0'));
            list += name.toUtf8() + "\r\n";
            write(root + "sites/" + name + ".ini", settings(n));
            write(root + "cat/" + name + " Cat1.cat", "A\">Alpha\r\nB\">Beta\r\nC\">Gamma\r\n");
            write(root + "cat/" + name + " Cat2.cat", "X\">Xray\r\n");
            for (const char* s :
                 {" HTTP_NEW", " HTTP_UPDATE", " FTP_NEW", " EMAIL_NEW", " EMAIL_UPDATE"})
                write(root + "sites/" + name + s + ".scp", "name=%APPNAME%&ver=%APPVER%\r\n");
        }
        write(root + "sites/Sites.dat", list);
        write(root + "companies/companies.dat", "Acme\r\n");
        write(root + "data/Acme Apps.dat", "Tool\r\n");
        write(root + "data/Tool.dat", "[APPINFO]\r\nPLATFORM=Windows 95\r\nSTATUS=Shareware\r\n");
    }
    QString root() const { return dir.path() + '/'; }
};

BigWorkspace& workspace() {
    static BigWorkspace w;
    return w;
}

struct Loaded {
    QTextStream err{stderr};
    PrintingPrompter prompter{err};
    FixedClock clock{QDateTime(QDate(2026, 12, 8), QTime(9, 0))};
    TGWide gwide{workspace().root()};
    Session session{gwide, prompter, clock};
    Loaded() { session.LoadWorkspace(); }
};

void BM_LoadEngineLists(benchmark::State& state) {
    Loaded loaded;
    for (auto _ : state)
        loaded.gwide.engBuild()->LoadSiteLists(loaded.prompter);
}
BENCHMARK(BM_LoadEngineLists)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

void BM_LoadOneEngine(benchmark::State& state) {
    Loaded loaded;
    for (auto _ : state)
        loaded.gwide.engBuild()->LoadSiteEngine(QStringLiteral("Site 1234"));
}
BENCHMARK(BM_LoadOneEngine)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly();

void BM_RebuildSiteList(benchmark::State& state) {
    Loaded loaded;
    for (auto _ : state)
        loaded.session.selectApp(0);
}
BENCHMARK(BM_RebuildSiteList)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
