#pragma once

#include "net/ZipExtractPlan.h"
#include "net/ZipReport.h"

#include <QString>

class ZipArchive;
class ZipStaging;

// Writes the planned entries flat into a folder, or nothing at all. Every entry is held to the
// size its header declares, so lying headers cannot get past the plan's limits.
class ZipExtractor {
public:
    ZipExtractor(const ZipArchive& archive, const ZipReport& report);

    // Gives the number of files written.
    int extract(const ZipExtractPlan& plan, const QString& targetDir);

private:
    void write(const ZipExtractPlan::Entry& entry, const QString& path);
    void count(const ZipExtractPlan::Entry& entry, qint64 done, qint64 got);

    const ZipArchive& m_archive;
    const ZipReport& m_report;
    qint64 m_written = 0;
};
