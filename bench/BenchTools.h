#pragma once

// What the benchmarks that race curl share: servers started for the run, curl's own timing,
// medians and the printed line.
#include "net/TlsPolicy.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

// Thrown, not exited: the servers and the temporary folder must be cleaned up on the way out.
struct BenchFailure {
    QString why;
};

[[noreturn]] void die(const QString& why);
// Keeps the servers on a processor of their own and this process (and curl, its child) on the
// others, when there are at least two: left to itself, the scheduler sometimes puts a client
// and its server on one processor for part of a transfer, which swings a round by a fifth.
// Both sides get the same placement. Call first thing in main; prints the placement.
void separateProcessors();
quint16 freePort();
void writeFile(const QString& path, const QByteArray& text);
// A file of the given size with bytes that do not compress.
void makeData(const QString& path, qint64 bytes);
// Runs curl and gives its own time_total in seconds (process start and file reading excluded).
double curlSeconds(const QStringList& arguments, qint64 expectUpload);
// A form POST (HTTP/1.0, as curl's below) of body and then the attached file, if any, by our
// client, in seconds.
double ourPostSeconds(const QString& url, const QByteArray& body, const QString& file,
                      const TlsPolicy& tls = TlsPolicy());
// curl's POST of the file's bytes to url; extra holds further options (such as --cacert).
double curlPostSeconds(const QString& url, const QString& file, qint64 bytes,
                       const QStringList& extra = QStringList());
// The name pattern of a benchmark's temporary folder: on /dev/shm when there is one.
QString benchFolder(const QString& name);
// The number after name in the arguments, or fallback.
qint64 option(const QStringList& args, const QString& name, qint64 fallback);

// A server program started for the run, output to a log file, stopped at the end.
class Server {
public:
    Server(const QString& program, const QStringList& arguments, const QString& log);
    ~Server();
    // Waits (bounded) until the port accepts a connection (and greets, if greeting is given).
    void awaitPort(quint16 port, const QByteArray& greeting);

private:
    QProcess m_process;
};

// Processor seconds, user and system, of this process (RUSAGE_SELF) or of its finished
// children (RUSAGE_CHILDREN).
double cpuSeconds(int who);

// nginx for the run, its files in dir; http holds the server blocks of its http section. Waits
// until port answers.
std::unique_ptr<Server> startNginx(const QString& dir, const QString& http, quint16 port);

double median(std::vector<double> v);

struct Figures {
    QString name;
    std::vector<double> ours, curl;       // MB/s
    std::vector<double> oursCpu, curlCpu; // processor seconds of a round, when measured
};

// One round of a case: our transfer and curl's, each given as its seconds, with the
// processor time of each; who goes first alternates by round (curlFirst), so neither side always
// meets a server that has just been busy. after, when given, runs once each side is done (told
// which), outside its figures.
void race(Figures& f, qint64 bytes, bool curlFirst, const std::function<double()>& ours,
          const std::function<double()>& curl,
          const std::function<void(bool ours)>& after = nullptr);

// One line: both medians and our share of curl's; then the share within each round (ours and
// curl's made one after the other): its median with a 95% interval, and its lowest and highest;
// and the median processor time of each side when measured: when the server is the slower end,
// that shows who would be faster. An interval that holds 1.0 means the rounds cannot tell the
// two apart.
void report(const Figures& f);
