#include "BenchTools.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <cstdio>

void die(const QString& why) {
    throw BenchFailure{why};
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

qint64 option(const QStringList& args, const QString& name, qint64 fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toLongLong() : fallback;
}

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

void report(const Figures& f) {
    const double ours = median(f.ours), curl = median(f.curl);
    std::vector<double> ratios;
    for (size_t i = 0; i < f.ours.size() && i < f.curl.size(); ++i)
        ratios.push_back(f.ours[i] / f.curl[i]);
    const auto [low, high] = std::minmax_element(ratios.begin(), ratios.end());
    std::printf("%-28s shipkit %8.1f MB/s   curl %8.1f MB/s   ratio %.2f   rounds %.2f-%.2f\n",
                qPrintable(f.name), ours, curl, ours / curl, ratios.empty() ? 0.0 : *low,
                ratios.empty() ? 0.0 : *high);
}
