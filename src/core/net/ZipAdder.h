#pragma once

#include "net/ZipReport.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class ZipArchive;
class ZipFileSource;

// Puts files into an archive under their base names, creating the archive or extending it; an
// entry of the same name is replaced. All or nothing: a failure leaves the old archive as it was.
class ZipAdder {
public:
    // Level 0 stores, 1 to 9 deflate; TZipArchiver keeps it in that range.
    ZipAdder(const ZipReport& report, int level);
    ~ZipAdder();

    void add(const QString& archivePath, const QStringList& files);

private:
    static void checkReadable(const QString& file);
    void addOne(ZipArchive& archive, const QString& file);
    void commit(ZipArchive& archive);

    const ZipReport& m_report;
    int m_level;
    std::vector<std::unique_ptr<ZipFileSource>> m_sources;
};
