// Zip extraction from any bytes: plain files only, flat in the target, and nothing at all when
// it fails.
#include "FuzzSupport.h"
#include "net/EZipError.h"
#include "net/TZipArchiver.h"
#include "net/ZipExtractPlan.h"

#include <QDir>
#include <QFileInfo>

namespace {

QFileInfoList contents(const QString& dir) {
    return QDir(dir).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                   QDir::NoDotAndDotDot);
}

void checkTarget(const QString& dir, bool extracted, int processed) {
    const QFileInfoList found = contents(dir);
    if (!extracted) {
        FuzzSupport::check(found.isEmpty(), "a failed extraction left files behind");
        return;
    }
    FuzzSupport::check(found.size() <= processed, "more files than entries extracted");
    qint64 total = 0;
    for (const QFileInfo& file : found) {
        FuzzSupport::check(file.isFile() && !file.isSymLink(), "something not a plain file");
        total += file.size();
    }
    FuzzSupport::check(total <= ZipExtractPlan::MaxTotalBytes, "more bytes than allowed");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString archive = FuzzSupport::scratchDir() + QStringLiteral("in.zip");
    const QString target = FuzzSupport::scratchDir() + QStringLiteral("out");
    QDir(target).removeRecursively();
    FuzzSupport::check(QDir().mkpath(target), "the target folder cannot be made");
    FuzzSupport::writeFile(archive, FuzzSupport::bytesOf(data, size));
    TZipArchiver zip;
    bool extracted = false;
    int processed = 0;
    try {
        zip.setZipFilename(archive);
        zip.setExtrBaseDir(target);
        processed = zip.Extract();
        extracted = true;
    } catch (const EZipError&) {
    }
    checkTarget(target, extracted, processed);
    FuzzSupport::check(contents(FuzzSupport::scratchDir()).size() == 2,
                       "the extraction wrote beside its target");
    return 0;
}
