#pragma once

// What the benchmarks that race curl share: servers started for the run, curl's own timing,
// medians and the printed line.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <vector>

// Thrown, not exited: the servers and the temporary folder must be cleaned up on the way out.
struct BenchFailure {
    QString why;
};

[[noreturn]] void die(const QString& why);
quint16 freePort();
void writeFile(const QString& path, const QByteArray& text);
// A file of the given size with bytes that do not compress.
void makeData(const QString& path, qint64 bytes);
// Runs curl and gives its own time_total in seconds (process start and file reading excluded).
double curlSeconds(const QStringList& arguments, qint64 expectUpload);
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

struct Figures {
    QString name;
    std::vector<double> ours, curl; // MB/s
};

// One line: both medians, our share of curl's, and the lowest and highest share of a round.
void report(const Figures& f);
