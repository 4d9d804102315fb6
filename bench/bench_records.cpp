// Record files: reading 20 keys from a 2,000-line file, and writing one key into it.
#include "records/TIniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 20 sections of 99 keys each: 2,000 lines.
QString makeRecordFile(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("big.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    for (int s = 0; s < 20; ++s) {
        file.write(QStringLiteral("[SECTION%1]\r\n").arg(s).toUtf8());
        for (int k = 0; k < 99; ++k)
            file.write(
                QStringLiteral("KEY%1=value of key %1 in section %2\r\n").arg(k).arg(s).toUtf8());
    }
    return path;
}

void BM_Read20Keys(benchmark::State& state) {
    QTemporaryDir dir;
    const TIniFile ini(makeRecordFile(dir));
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i)
            benchmark::DoNotOptimize(ini.ReadKey(QStringLiteral("SECTION%1").arg(i),
                                                 QStringLiteral("KEY%1").arg(i * 5), QString()));
    }
}
BENCHMARK(BM_Read20Keys)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

void BM_WriteOneKey(benchmark::State& state) {
    QTemporaryDir dir;
    const TIniFile ini(makeRecordFile(dir));
    int n = 0;
    for (auto _ : state)
        ini.WriteKey(QStringLiteral("SECTION10"), QStringLiteral("KEY50"), QString::number(++n));
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly();

} // namespace

BENCHMARK_MAIN();
