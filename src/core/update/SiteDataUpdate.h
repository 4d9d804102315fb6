#pragma once

#include "base/Workspace.h"
#include "update/ArchiveDownload.h"
#include "update/UpdateFolder.h"

#include <QObject>
#include <QStringList>

class TZipArchiver;

// The site data update: fetches the archive (or takes a local one), unpacks it flat into the
// updates folder under the zip component's limits, and installs the files all together. Only
// a complete install counts as done; any failure installs nothing and says why.
class SiteDataUpdate : public QObject {
    Q_OBJECT
public:
    static constexpr const char* ArchiveName = "sksites.zip";

    explicit SiteDataUpdate(const Workspace& paths, QObject* parent = nullptr);

    // Empties the updates folder, as opening the update does.
    void clean() const { m_folder.clean(); }
    // Both give the installed files as "sites/NAME" or "cat/NAME" and raise ShipkitError with
    // the reason when anything failed. Each starts by emptying the updates folder, so install()
    // takes no archive from inside it.
    QStringList download(const UpdateRequest& request);
    QStringList install(const QString& archive);
    // Ends a download in progress.
    void cancel() { m_download.cancel(); }
    bool UpdateDone() const { return m_done; }

Q_SIGNALS:
    void status(const QString& text);
    void percent(int value);
    void bar(int minimum, int maximum, int position);
    // The connection trace (headers, byte counts), kept out of the user's sight.
    void tracked(const QString& line, bool replacesLast);

private:
    QStringList unpackAndInstall(const QString& archive);
    void checkArchive(const QString& archive) const;
    void extract(const QString& archive);
    void showReceived(qint64 bytes, qint64 expected);
    void showUnzip(int kind, qint64 size);
    void showZipMessage(int code, const QString& text);
    void setBar(int minimum, int maximum, int position);
    void stepBar();
    void finish();

    Workspace m_paths;
    UpdateFolder m_folder;
    ArchiveDownload m_download;
    QString m_refusal;
    int m_barMinimum = 0, m_barMaximum = 100, m_barPosition = 0;
    bool m_done = false;
};
