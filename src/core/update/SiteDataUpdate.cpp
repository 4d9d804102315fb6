#include "update/SiteDataUpdate.h"

#include "net/TZipArchiver.h"
#include "net/ZipReport.h"
#include "update/UpdateInstaller.h"
#include "update/UpdatePlan.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kNothingInstalled = QStringLiteral("The site data update failed and installed "
                                                 "nothing; the old site data stays. ");

} // namespace

SiteDataUpdate::SiteDataUpdate(const Workspace& paths, QObject* parent)
    : QObject(parent), m_paths(paths), m_folder(paths.UpdatesDir) {
    connect(&m_download, &ArchiveDownload::status, this, &SiteDataUpdate::status);
    connect(&m_download, &ArchiveDownload::tracked, this, &SiteDataUpdate::tracked);
    connect(&m_download, &ArchiveDownload::received, this, &SiteDataUpdate::showReceived);
}

QStringList SiteDataUpdate::download(const UpdateRequest& request) {
    m_folder.clean();
    const QString archive = m_folder.path() + QLatin1String(ArchiveName);
    try {
        m_download.fetch(request, archive);
    } catch (const ShipkitError& e) {
        m_folder.clean();
        throw ShipkitError(kNothingInstalled + e.message());
    }
    return unpackAndInstall(archive);
}

QStringList SiteDataUpdate::install(const QString& archive) {
    try {
        checkArchive(archive);
    } catch (const ShipkitError& e) {
        throw ShipkitError(kNothingInstalled + e.message());
    }
    m_folder.clean();
    return unpackAndInstall(archive);
}

QStringList SiteDataUpdate::unpackAndInstall(const QString& archive) {
    setBar(0, 100, 0);
    Q_EMIT status(QStringLiteral("Unzipping Data Files..."));
    UpdateInstaller installer([this](const QString& text) { Q_EMIT status(text); });
    QStringList shown;
    try {
        extract(archive);
        Q_EMIT status(QStringLiteral("Copy Data Files..."));
        const UpdatePlan plan(m_folder.path(), m_folder.files(), m_paths);
        for (const QString& name : plan.passedOver())
            Q_EMIT status(QStringLiteral("Keeping your own %1").arg(name));
        installer.stage(plan.items());
        for (const UpdatePlan::Item& item : plan.items())
            shown << item.shown;
    } catch (const ShipkitError& e) {
        m_folder.clean();
        throw ShipkitError(kNothingInstalled + e.message());
    }
    installer.commit();
    finish();
    return shown;
}

// A local archive meets the same bound as a downloaded one.
void SiteDataUpdate::checkArchive(const QString& archive) const {
    const QFileInfo info(archive);
    if (!info.isFile())
        throw ShipkitError(QStringLiteral("The archive %1 does not exist or is no file.")
                               .arg(QDir::toNativeSeparators(archive)));
    if (info.absoluteDir().canonicalPath() == QDir(m_folder.path()).canonicalPath())
        throw ShipkitError(QStringLiteral("The archive %1 lies in the update folder, which every "
                                          "update empties first. Copy it elsewhere and try "
                                          "again.")
                               .arg(QDir::toNativeSeparators(archive)));
    if (info.size() > ArchiveDownload::MaxBytes)
        throw ShipkitError(QStringLiteral("The archive %1 is larger than %2 MB, which is no site "
                                          "data archive.")
                               .arg(QDir::toNativeSeparators(archive))
                               .arg(ArchiveDownload::MaxBytes >> 20));
}

// Entries the zip component passes over with an error code (links, devices, nameless entries)
// make the whole archive suspect: it is refused rather than installed in part.
void SiteDataUpdate::extract(const QString& archive) {
    m_refusal.clear();
    TZipArchiver zip;
    connect(&zip, &TZipArchiver::OnProgress, this,
            [this](int kind, qint64 size, const QString&) { showUnzip(kind, size); });
    connect(&zip, &TZipArchiver::OnMessage, this, &SiteDataUpdate::showZipMessage);
    zip.setZipFilename(archive);
    zip.setExtrBaseDir(m_folder.path());
    zip.Extract();
    if (!m_refusal.isEmpty())
        throw ShipkitError(m_refusal);
}

void SiteDataUpdate::finish() {
    Q_EMIT status(QStringLiteral("Cleaning UpDate Directory..."));
    m_folder.clean();
    Q_EMIT status(QStringLiteral("Deleting Archive..."));
    Q_EMIT status(QStringLiteral("Data Update Complete"));
    m_done = true;
}

// Sizes are 64-bit and an unknown size shows an empty bar, never a division by zero.
void SiteDataUpdate::showReceived(qint64 bytes, qint64 expected) {
    if (expected <= 0) {
        setBar(0, 0, 0);
        Q_EMIT percent(0);
        return;
    }
    setBar(0, static_cast<int>(qMin<qint64>(expected, ArchiveDownload::MaxBytes)),
           static_cast<int>(qMin(bytes, expected)));
    Q_EMIT percent(
        static_cast<int>(qBound<qint64>(qint64(0), bytes * 100 / expected, qint64(100))));
}

// A new file fills the bar in 32 KB blocks; a small one takes its one step at once.
void SiteDataUpdate::showUnzip(int kind, qint64 size) {
    switch (kind) {
    case ZipReport::NewFile: {
        const auto blocks =
            static_cast<int>(qBound<qint64>(qint64(1), size / ZipReport::Block, qint64(1) << 20));
        setBar(1, blocks, 1);
        if (size < ZipReport::Block)
            stepBar();
        break;
    }
    case ZipReport::Step:
        stepBar();
        break;
    default:
        setBar(1, 10, 1);
        break;
    }
}

void SiteDataUpdate::showZipMessage(int code, const QString& text) {
    Q_EMIT status(text);
    stepBar();
    if (code > 0 && m_refusal.isEmpty())
        m_refusal = QStringLiteral("The archive was refused: %1. Ask the maker for a corrected "
                                   "archive.")
                        .arg(text);
}

void SiteDataUpdate::setBar(int minimum, int maximum, int position) {
    m_barMinimum = minimum;
    m_barMaximum = maximum;
    m_barPosition = position;
    Q_EMIT bar(minimum, maximum, position);
}

void SiteDataUpdate::stepBar() {
    if (m_barPosition < m_barMaximum)
        setBar(m_barMinimum, m_barMaximum, m_barPosition + 1);
}
