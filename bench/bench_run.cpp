// A whole submission run against a fast real server on loopback, beside curl in the same run:
//   ours: the Submit driver posting a 2 KB form to each of N sites (engine load, expansion, the
//         request, the report pages, the site list saved after each site);
//   curl: the same N POSTs of the same bodies in one process (one config file, --next), over
//         HTTP/1.0 as ours, so each post has its own connection.
// Also the longest pause between two ticks of a 10 ms timer while our run works: the window
// must stay responsive. Prints the medians of the rounds and the ratio ours / curl.
// Needs nginx and curl; everything it writes stays in a temporary folder on /dev/shm.
//
//   bench_run [--sites N] [--rounds N]
#include "base/Clock.h"
#include "base/LocalTimeZone.h"
#include "base/Prompter.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SubmitCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include "BenchTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

// The process's resident set now (VmRSS), in MB.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// The run's questions, answered so that nothing stops it: no save, no report to open.
class QuietPrompter : public Prompter {
public:
    std::optional<QString> askName(const QString&, const QString&) override { return std::nullopt; }
    Answer confirm(const QString&, Buttons) override { return Answer::No; }
    void errorBox(const QString& first, const QString&, const QString&) override {
        die(QStringLiteral("error box: ") + first);
    }
    void errorDialog(const QString& text) override { die(QStringLiteral("error: ") + text); }
    void message(const QString& text) override { die(QStringLiteral("message: ") + text); }
    void handlerError(const QString& text) override { die(QStringLiteral("error: ") + text); }
    void beep(Sound) override {}
};

// A Submit page nobody looks at.
class NullRunView : public RunView {
public:
    void setCurrentSite(const QString&) override {}
    void setStatus(Method, const QString&) override {}
    void setLed(Method, Led) override {}
    void setCounters(int, int) override {}
    void setProgress(int, int) override {}
    void setMailProgress(int, bool) override {}
    void setHttpBytes(qint64) override {}
    void clearFtpLog() override {}
    void AddFtpLog(const QString&) override {}
    void clearRunLog() override {}
    void AddRunLog(const QString& text) override { lastLine = text; }
    void setPosting(bool) override {}
    bool askMailSettings() override { return false; }
    bool confirmRun(const AppSiteList::Counts&) override { return true; }
    QString lastLine;
};

class RunBench {
public:
    RunBench(int sites, int rounds) : m_sites(sites), m_rounds(rounds) {
        if (!m_dir.isValid())
            die(QStringLiteral("cannot make a temporary folder"));
        m_port = freePort();
        m_nginx = startNginx(m_dir.path(),
                             QStringLiteral(" server {\n  listen 127.0.0.1:%1;\n"
                                            "  location / { return 200 \"thanks\\n\"; }\n }\n")
                                 .arg(m_port),
                             m_port);
        writeWorkspace();
        writeCurlConfig();
    }

    void run() {
        std::vector<double> ours, cpu, curl, transfers, gaps;
        double residentAfterFirst = 0;
        for (int round = 0; round < m_rounds; ++round) {
            double gap = 0, inCurl = 0;
            const double cpuBefore = cpuSeconds(RUSAGE_SELF);
            ours.push_back(ourRun(gap));
            if (round == 0)
                residentAfterFirst = residentMegabytes();
            cpu.push_back(cpuSeconds(RUSAGE_SELF) - cpuBefore);
            gaps.push_back(gap);
            curl.push_back(curlRun(inCurl));
            transfers.push_back(inCurl);
        }
        const double o = median(ours), c = median(curl), t = median(transfers);
        std::printf("submission run of %d sites, 2 KB form each, to nginx (median of %d rounds)\n",
                    m_sites, m_rounds);
        std::printf("  ours: %8.1f ms   curl: %8.1f ms   ours/curl: %.2f (target <= 1.5)\n",
                    o * 1e3, c * 1e3, o / c);
        std::printf("  curl's transfers alone: %8.1f ms   ours/that: %.2f\n", t * 1e3, o / t);
        std::printf("  CPU time of our run (loading the workspace included): %.1f ms\n",
                    median(cpu) * 1e3);
        std::printf("  longest pause between 10 ms timer ticks during our run: %.1f ms "
                    "(worst round %.1f ms; target < 50)\n",
                    median(gaps), *std::max_element(gaps.begin(), gaps.end()));
        // A soak: what later runs of the same process keep on top of the first.
        const double residentAfterLast = residentMegabytes();
        std::printf("  resident memory after round 1: %.1f MB, after round %d: %.1f MB, growth "
                    "%.1f MB (target < 10)\n",
                    residentAfterFirst, m_rounds, residentAfterLast,
                    residentAfterLast - residentAfterFirst);
    }

private:
    QString path(const QString& name) const { return m_dir.path() + u'/' + name; }
    QString site(int n) const { return QStringLiteral("Site%1").arg(n, 3, 10, QLatin1Char('0')); }
    QString formUrl(int n) const {
        return QStringLiteral("http://127.0.0.1:%1/form/%2").arg(m_port).arg(n);
    }
    // 2 KB once expanded: a few variables and a long field.
    static QByteArray script() {
        return "name=%APPNAME%&version=%APPVERSION%&company=%COMPNAME%&text=" +
               QByteArray(1990, 'x') + "\r\n";
    }
    static QByteArray body() {
        return "name=Tool&version=2.1&company=Acme&text=" + QByteArray(1990, 'x');
    }

    void writeWorkspace() {
        const QString ws = path(QStringLiteral("ws"));
        const Workspace paths = Workspace::at(ws + u'/');
        for (const QString& folder : paths.folders())
            QDir().mkpath(folder);
        writeFile(paths.ProgramDir + QStringLiteral("settings.dat"),
                  "[SETTINGS]\r\nSMTP=127.0.0.1\r\nEMAIL=me@example.com\r\nNAME=Me\r\n");
        writeFile(paths.CompaniesDir + QStringLiteral("companies.dat"), "Acme\r\n");
        writeFile(paths.CompaniesDir + QStringLiteral("Acme.dat"), "[COMPANY]\r\nCONAME=Acme\r\n");
        writeFile(paths.DataDir + QStringLiteral("Acme Apps.dat"), "Tool\r\n");
        writeFile(paths.FilesDir + QStringLiteral("tool.zip"), "PK");
        writeFile(paths.DataDir + QStringLiteral("Tool.dat"),
                  "[APPINFO]\r\n8CHAR=tool\r\nVERSION=2.1\r\nPLATFORM=Windows 95\r\n"
                  "DSTATUS=Author\r\nSTATUS=Shareware\r\nPATH=" +
                      (paths.FilesDir + QStringLiteral("tool.zip")).toUtf8() + "\r\n");
        QByteArray list;
        for (int n = 1; n <= m_sites; ++n) {
            const QByteArray url = formUrl(n).toUtf8();
            writeFile(paths.SitesDir + site(n) + QStringLiteral(".ini"),
                      "[SETTINGS]\r\nUSE_HTTP_POST=1\r\nHTTP_POST_TYPE=1\r\nHTTP_NEW_SCRIPT_URL=" +
                          url + "\r\nHTTP_UPDATE_SCRIPT_URL=" + url + "\r\n");
            writeFile(paths.SitesDir + site(n) + QStringLiteral(" HTTP_NEW.scp"), script());
            writeFile(paths.SitesDir + site(n) + QStringLiteral(" HTTP_UPDATE.scp"), script());
            list += site(n).toUtf8() + "\r\n";
        }
        writeFile(paths.SitesDir + QStringLiteral("Sites.dat"), list);
    }

    void writeCurlConfig() {
        writeFile(path(QStringLiteral("body.txt")), body());
        QByteArray config;
        for (int n = 1; n <= m_sites; ++n) {
            if (n > 1)
                config += "next\n";
            config += "url = \"" + formUrl(n).toUtf8() +
                      "\"\nhttp1.0\noutput = \"/dev/null\"\n"
                      "header = \"Content-Type: application/x-www-form-urlencoded\"\n"
                      "data-binary = \"@" +
                      path(QStringLiteral("body.txt")).toUtf8() +
                      "\"\n"
                      "write-out = \"%{time_total} %{http_code}\\n\"\n";
        }
        writeFile(path(QStringLiteral("curl.conf")), config);
    }

    double ourRun(double& longestGap) {
        QuietPrompter prompter;
        SystemClock clock;
        TGWide gwide(path(QStringLiteral("ws/")));
        Session session(gwide, prompter, clock);
        if (!session.LoadWorkspace())
            die(QStringLiteral("cannot load the workspace: ") + session.loadError());
        session.settings = Settings::read(gwide.paths().ProgramDir);
        session.selectApp(0);
        CompanyCommands companies(session);
        ApplicationCommands apps(session, companies);
        SiteBuilderCommands engines(session);
        NullRunView view;
        SubmitCommands driver(session, view, companies, apps, engines);
        QElapsedTimer sinceTick;
        qint64 gap = 0;
        QTimer ticks;
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { gap = std::max(gap, sinceTick.restart()); });
        ticks.start(10);
        sinceTick.start();
        QElapsedTimer clockRun;
        clockRun.start();
        const SubmitCommands::Outcome outcome = driver.submitBtnClick();
        const double seconds = clockRun.nsecsElapsed() / 1e9;
        ticks.stop();
        if (outcome.succeeded != m_sites)
            die(QStringLiteral("%1 of %2 sites posted; last log line: %3")
                    .arg(outcome.succeeded)
                    .arg(m_sites)
                    .arg(view.lastLine));
        longestGap = static_cast<double>(gap);
        return seconds;
    }

    // curl's whole process, as ours is the whole run (wall time); transfers: curl's own time for
    // the transfers alone, summed.
    double curlRun(double& transfers) {
        QElapsedTimer wall;
        wall.start();
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("-K"),
                    path(QStringLiteral("curl.conf"))});
        if (!curl.waitForFinished(120000) || curl.exitCode() != 0)
            die(QStringLiteral("curl failed: ") +
                QString::fromLocal8Bit(curl.readAllStandardError()));
        const double seconds = wall.nsecsElapsed() / 1e9;
        transfers = 0;
        int posts = 0;
        for (const QByteArray& line : curl.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() != 2)
                continue;
            if (parts[1] != "200")
                die(QStringLiteral("curl got %1").arg(QString::fromLatin1(parts[1])));
            transfers += parts[0].toDouble();
            ++posts;
        }
        if (posts != m_sites)
            die(QStringLiteral("curl made %1 posts, not %2").arg(posts).arg(m_sites));
        return seconds;
    }

    int m_sites, m_rounds;
    QTemporaryDir m_dir{benchFolder(QStringLiteral("bench_run"))};
    quint16 m_port = 0;
    std::unique_ptr<Server> m_nginx;
};

int option(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv) {
    LocalTimeZone::pin(); // as the programs do
    QCoreApplication app(argc, argv);
    separateProcessors();
    const QStringList args = app.arguments();
    try {
        RunBench bench(std::max(1, option(args, QStringLiteral("--sites"), 100)),
                       std::max(1, option(args, QStringLiteral("--rounds"), 5)));
        bench.run();
    } catch (const BenchFailure& failure) {
        std::fprintf(stderr, "bench_run: %s\n", qPrintable(failure.why));
        return 1;
    }
    return 0;
}
