#include "submit/FtpPackager.h"

#include "net/EZipError.h"
#include "net/TZipArchiver.h"
#include "submit/FtpTranscript.h"
#include "submit/FtpUploadPlan.h"

#include <QFile>
#include <QFileInfo>

bool FtpPackager::make(const FtpUploadPlan& plan) {
    const bool made = plan.branch == FtpUploadPlan::Branch::Pack ? pack(plan) : copy(plan);
    return made && QFileInfo::exists(plan.sendPath);
}

bool FtpPackager::addText(const QString& archive, const QString& textPath) {
    m_transcript.add(QStringLiteral("Adding To Zip File: ") + textPath);
    return zipAdd(archive, textPath);
}

bool FtpPackager::pack(const FtpUploadPlan& plan) {
    m_transcript.add(QStringLiteral("Zipping File: ") + plan.sendPath);
    return removeOld(plan.sendPath) && zipAdd(plan.sendPath, plan.source);
}

bool FtpPackager::copy(const FtpUploadPlan& plan) {
    // The application's zip may already be the one in files/: it must not be deleted to be
    // copied onto itself.
    const QFileInfo source(plan.source);
    const bool same = QFileInfo::exists(plan.sendPath) &&
                      source.canonicalFilePath() == QFileInfo(plan.sendPath).canonicalFilePath();
    if (!same && !removeOld(plan.sendPath))
        return false;
    m_transcript.add(QStringLiteral("Prepairing Zip File: ") + plan.sendPath);
    if (same || QFile::copy(plan.source, plan.sendPath))
        return true;
    m_transcript.add(
        QStringLiteral("EXCEPTION: Cannot copy %1 to %2").arg(plan.source, plan.sendPath));
    return false;
}

bool FtpPackager::removeOld(const QString& path) {
    QFile old(path);
    if (!old.exists() || old.remove())
        return true;
    m_transcript.add(
        QStringLiteral("EXCEPTION: Cannot delete %1: %2").arg(path, old.errorString()));
    return false;
}

bool FtpPackager::zipAdd(const QString& archive, const QString& file) {
    try {
        m_zip.setZipFilename(archive);
        m_zip.setFSpecArgs({file});
        m_zip.Add();
        return true;
    } catch (const EZipError& e) {
        m_transcript.add(QStringLiteral("EXCEPTION: ") + e.message());
        return false;
    }
}
