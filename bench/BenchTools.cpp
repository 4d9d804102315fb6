#include "BenchTools.h"

#include "net/ENetError.h"
#include "net/TNetHTTP.h"

#include <QDir>
#include <QElapsedTimer>

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sched.h>
#include <sys/resource.h>

void die(const QString& why) {
    throw BenchFailure{why};
}

namespace {

int serverProcessor = -1; // set by separateProcessors()

} // namespace

void separateProcessors() {
    cpu_set_t mine;
    CPU_ZERO(&mine);
    if (sched_getaffinity(0, sizeof mine, &mine) != 0 || CPU_COUNT(&mine) < 2)
        return;
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu)
        if (CPU_ISSET(cpu, &mine))
            serverProcessor = cpu;
    CPU_CLR(serverProcessor, &mine);
    if (sched_setaffinity(0, sizeof mine, &mine) != 0) {
        serverProcessor = -1;
        return;
    }
    std::printf("servers on processor %d, clients on the other %d\n", serverProcessor,
                CPU_COUNT(&mine));
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

Server::Server(const QString& program, const QStringList& arguments, const QString& log) {
    m_process.setStandardOutputFile(log);
    m_process.setStandardErrorFile(log, QIODevice::Append);
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(10000))
        die(QStringLiteral("cannot start ") + program);
    if (serverProcessor >= 0) {
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(serverProcessor, &one);
        sched_setaffinity(static_cast<pid_t>(m_process.processId()), sizeof one, &one);
    }
}

Server::~Server() {
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(5000);
}

void Server::awaitPort(quint16 port, const QByteArray& greeting) {
    for (int i = 0; i < 100; ++i) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (probe.waitForConnected(500) &&
            (greeting.isEmpty() ||
             (probe.waitForReadyRead(2000) && probe.readLine().startsWith(greeting))))
            return;
        QThread::msleep(100);
    }
    die(QStringLiteral("server on port %1 never answered").arg(port));
}

void writeFile(const QString& path, const QByteArray& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        die(QStringLiteral("cannot write ") + path);
}

void makeData(const QString& path, qint64 bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        die(QStringLiteral("cannot write ") + path);
    QByteArray block(1 << 20, '\0');
    for (qsizetype i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>((i * 131) ^ (i >> 7));
    for (qint64 left = bytes; left > 0; left -= block.size())
        f.write(block.constData(), qMin<qint64>(left, block.size()));
}

double curlSeconds(const QStringList& arguments, qint64 expectUpload) {
    QProcess curl;
    curl.start(QStringLiteral("curl"),
               QStringList{QStringLiteral("-s"), QStringLiteral("-S"), QStringLiteral("-o"),
                           QStringLiteral("/dev/null"), QStringLiteral("-w"),
                           QStringLiteral("%{time_total} %{size_upload}")} +
                   arguments);
    if (!curl.waitForFinished(600000) || curl.exitCode() != 0)
        die(QStringLiteral("curl failed: ") + QString::fromLocal8Bit(curl.readAllStandardError()));
    const QStringList out = QString::fromLatin1(curl.readAllStandardOutput()).split(u' ');
    if (out.value(1).toDouble() != static_cast<double>(expectUpload))
        die(QStringLiteral("curl sent %1 bytes, not %2").arg(out.value(1)).arg(expectUpload));
    return out.value(0).toDouble();
}

double ourPostSeconds(const QString& url, const QByteArray& body, const QString& file,
                      const TlsPolicy& tls) {
    TNetHTTP http;
    http.setTlsPolicy(tls);
    http.setURL(url);
    http.setContentType(QStringLiteral("application/x-www-form-urlencoded"));
    http.setPostData(body);
    http.setAttachedFile(file);
    QElapsedTimer clock;
    clock.start();
    try {
        http.setAction(httpPost);
    } catch (const ENetError& e) {
        die(QStringLiteral("POST failed: ") + e.message());
    }
    return clock.nsecsElapsed() / 1e9;
}

double curlPostSeconds(const QString& url, const QString& file, qint64 bytes,
                       const QStringList& extra) {
    return curlSeconds(extra + QStringList{QStringLiteral("-0"), QStringLiteral("-H"),
                                           QStringLiteral("Content-Type: "
                                                          "application/x-www-form-urlencoded"),
                                           QStringLiteral("--data-binary"), u'@' + file, url},
                       bytes);
}

QString benchFolder(const QString& name) {
    const QString shm = QStringLiteral("/dev/shm");
    return (QDir(shm).exists() ? shm : QDir::tempPath()) + u'/' + name + QStringLiteral("-XXXXXX");
}

qint64 option(const QStringList& args, const QString& name, qint64 fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toLongLong() : fallback;
}

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void race(Figures& f, qint64 bytes, bool curlFirst, const std::function<double()>& ours,
          const std::function<double()>& curl, const std::function<void(bool ours)>& after) {
    const auto mbps = [bytes](double seconds) { return bytes / 1048576.0 / seconds; };
    const auto timeOurs = [&] {
        const double cpu = cpuSeconds(RUSAGE_SELF);
        f.ours.push_back(mbps(ours()));
        f.oursCpu.push_back(cpuSeconds(RUSAGE_SELF) - cpu);
        if (after)
            after(true);
    };
    const auto timeCurl = [&] {
        const double cpu = cpuSeconds(RUSAGE_CHILDREN);
        f.curl.push_back(mbps(curl()));
        f.curlCpu.push_back(cpuSeconds(RUSAGE_CHILDREN) - cpu);
        if (after)
            after(false);
    };
    if (curlFirst) {
        timeCurl();
        timeOurs();
    } else {
        timeOurs();
        timeCurl();
    }
}

std::unique_ptr<Server> startNginx(const QString& dir, const QString& http, quint16 port) {
    const QString conf = dir + QStringLiteral("/nginx.conf");
    writeFile(conf, QStringLiteral("daemon off;\nmaster_process off;\nworker_processes 1;\n"
                                   "pid %1/nginx.pid;\nerror_log %1/nginx-error.log;\n"
                                   "events { worker_connections 256; }\n"
                                   "http {\n access_log off;\n client_body_temp_path %1/body;\n"
                                   " proxy_temp_path %1/proxy;\n fastcgi_temp_path %1/fastcgi;\n"
                                   " uwsgi_temp_path %1/uwsgi;\n scgi_temp_path %1/scgi;\n")
                            .arg(dir)
                            .toUtf8() +
                        http.toUtf8() + "}\n");
    auto nginx =
        std::make_unique<Server>(QStringLiteral("/usr/sbin/nginx"),
                                 QStringList{QStringLiteral("-c"), conf, QStringLiteral("-p"), dir},
                                 dir + QStringLiteral("/nginx.log"));
    nginx->awaitPort(port, QByteArray());
    return nginx;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

namespace {

// The ranks (from 0) of the sorted values that bound a 95% interval of their median, free of
// any assumption on how the rounds spread: the count of rounds below the true median is
// binomial(n, 1/2), so the interval is the narrowest [k, n-1-k] that misses it at most 2.5% of
// the time on each side.
std::pair<size_t, size_t> medianInterval(size_t n) {
    double below = std::pow(0.5, static_cast<double>(n)); // P(exactly 0 below)
    double tail = below;
    size_t k = 0;
    while (k + 1 < n - 1 - k) {
        below *= static_cast<double>(n - k) / static_cast<double>(k + 1);
        if (tail + below > 0.025)
            break;
        tail += below;
        ++k;
    }
    return {k, n - 1 - k};
}

} // namespace

void report(const Figures& f) {
    const double ours = median(f.ours), curl = median(f.curl);
    std::vector<double> ratios;
    for (size_t i = 0; i < f.ours.size() && i < f.curl.size(); ++i)
        ratios.push_back(f.ours[i] / f.curl[i]);
    std::sort(ratios.begin(), ratios.end());
    std::printf("%-28s shipkit %8.1f MB/s   curl %8.1f MB/s   ratio %.2f", qPrintable(f.name), ours,
                curl, ours / curl);
    if (ratios.size() >= 6) {
        const auto [low, high] = medianInterval(ratios.size());
        std::printf("   round ratio %.2f (95%%: %.2f-%.2f, all %.2f-%.2f)", median(ratios),
                    ratios[low], ratios[high], ratios.front(), ratios.back());
    }
    if (!f.oursCpu.empty() && !f.curlCpu.empty())
        std::printf("   cpu %.0f/%.0f ms", median(f.oursCpu) * 1000, median(f.curlCpu) * 1000);
    std::printf("\n");
}
