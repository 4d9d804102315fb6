// Zipping one big file of mixed content at level 9: TZipArchiver beside Debian's `zip -9` on the
// same file in the same run. The content is a mix an application archive might hold: text,
// already-packed data, machine code-like tables and zero padding. Prints the median time of the
// rounds and the archive sizes. Needs zip and unzip installed; everything it writes stays in a
// temporary folder on /dev/shm, so the disk is not what is measured.
//
//   bench_zip [--mb N] [--rounds N]
#include "net/EZipError.h"
#include "net/TZipArchiver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Thrown, not exited: the temporary folder must be cleaned up on the way out.
struct BenchFailure {
    QString why;
};

[[noreturn]] void die(const QString& why) {
    throw BenchFailure{why};
}

// Words of two to five syllables, so text packs like prose does and not like a word list.
std::vector<QByteArray> vocabulary(std::mt19937& random) {
    static const char* const syllables[] = {"ka",  "ro", "shi", "ten", "up",  "da", "lo", "me",
                                            "ver", "in", "st",  "al",  "gra", "pe", "no", "wi"};
    std::vector<QByteArray> words(4096);
    for (QByteArray& word : words)
        for (unsigned n = 2 + random() % 4; n > 0; --n)
            word += syllables[random() % 16];
    return words;
}

// One megabyte of the kind chosen by its number, so the mix is the same in every run.
QByteArray block(int number, std::mt19937& random, const std::vector<QByteArray>& words) {
    QByteArray bytes;
    bytes.reserve((1 << 20) + 64);
    const int kind = number % 10;
    while (bytes.size() < (1 << 20)) {
        const std::uint32_t r = random();
        if (kind < 4) { // text, common words more often
            bytes += words[(r % 4096) * ((r >> 12) % 4096) / 4096];
            bytes += (r >> 24) % 13 == 0 ? "\r\n" : " ";
        } else if (kind < 6) { // data that is packed already
            bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
        } else if (kind < 9) { // machine code: common opcodes, varied operands
            bytes += char(r % 40);
            bytes.append(reinterpret_cast<const char*>(&r) + 1, (r >> 8) % 4);
        } else {
            bytes.append(QByteArray(4096, '\0'));
        }
    }
    bytes.truncate(1 << 20);
    return bytes;
}

void makeData(const QString& path, int megabytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        die(QStringLiteral("cannot write ") + path);
    std::mt19937 random(2024);
    const std::vector<QByteArray> words = vocabulary(random);
    for (int i = 0; i < megabytes; ++i)
        if (f.write(block(i, random, words)) != (1 << 20))
            die(QStringLiteral("cannot write ") + path);
}

void runTool(const QString& program, const QStringList& arguments) {
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForFinished(600000) || tool.exitStatus() != QProcess::NormalExit ||
        tool.exitCode() != 0)
        die(program + QStringLiteral(" failed: ") +
            QString::fromLocal8Bit(tool.readAllStandardError()));
}

double ours(const QString& data, const QString& archive) {
    QFile::remove(archive);
    TZipArchiver zip;
    zip.setZipFilename(archive);
    zip.setAddCompLevel(9);
    zip.setFSpecArgs({data});
    QElapsedTimer timer;
    timer.start();
    zip.Add();
    return timer.nsecsElapsed() / 1e9;
}

double infoZip(const QString& data, const QString& archive) {
    QFile::remove(archive);
    QElapsedTimer timer;
    timer.start();
    runTool(QStringLiteral("zip"),
            {QStringLiteral("-9"), QStringLiteral("-j"), QStringLiteral("-q"), archive, data});
    return timer.nsecsElapsed() / 1e9;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int argument(const QStringList& args, const QString& name, int fallback) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

void bench(int megabytes, int rounds) {
    QTemporaryDir dir(QStringLiteral("/dev/shm/bench_zip-XXXXXX"));
    if (!dir.isValid())
        die(QStringLiteral("cannot create a folder on /dev/shm"));
    const QString data = dir.filePath(QStringLiteral("setup.bin"));
    makeData(data, megabytes);
    std::vector<double> shipkit, zip;
    for (int i = 0; i < rounds; ++i) {
        shipkit.push_back(ours(data, dir.filePath(QStringLiteral("shipkit.zip"))));
        zip.push_back(infoZip(data, dir.filePath(QStringLiteral("zip.zip"))));
    }
    for (const QString& name : {QStringLiteral("shipkit.zip"), QStringLiteral("zip.zip")})
        runTool(QStringLiteral("unzip"), {QStringLiteral("-tqq"), dir.filePath(name)});
    const double mb = megabytes;
    std::printf("%d MB mixed content, level 9, median of %d rounds:\n", megabytes, rounds);
    std::printf("  shipkit %7.2f s %7.1f MB/s  archive %lld bytes\n", median(shipkit),
                mb / median(shipkit), QFile(dir.filePath(QStringLiteral("shipkit.zip"))).size());
    std::printf("  zip -9  %7.2f s %7.1f MB/s  archive %lld bytes\n", median(zip), mb / median(zip),
                QFile(dir.filePath(QStringLiteral("zip.zip"))).size());
    std::printf("  time ratio shipkit / zip: %.2f\n", median(shipkit) / median(zip));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        bench(argument(args, QStringLiteral("--mb"), 200),
              std::max(1, argument(args, QStringLiteral("--rounds"), 3)));
    } catch (const BenchFailure& failure) {
        std::fprintf(stderr, "bench_zip: %s\n", qPrintable(failure.why));
        return 1;
    } catch (const EZipError& error) {
        std::fprintf(stderr, "bench_zip: %s\n", error.what());
        return 1;
    }
    return 0;
}
