#pragma once

#include "net/EZipError.h"
#include "net/ZipReport.h"

#include <QObject>
#include <QString>
#include <QStringList>

// The program's zip component, on libzip. Set the properties, then call Add or Extract.
//
// Add stores every file of FSpecArgs under its base name in ZipFilename, creating the archive or
// extending it (an entry of the same name is replaced), and re-reads the entry list. Extract
// writes the entries named in FSpecArgs (all when empty) flat into ExtrBaseDir, replacing files
// there; only plain files are written, and an archive that would unpack to too much is refused.
// FSpecArgs is emptied after every operation, whether it worked or not.
//
// Failure: OnMessage(code, text) is emitted and the same code and text are raised as EZipError;
// the call never returns a partial result. A failed Add leaves the old archive untouched; a
// failed Extract leaves ExtrBaseDir as it was. Entries passed over during Extract (folders,
// links, names without a file name) are only messages: code 0 for folders, Skipped otherwise.
class TZipArchiver : public QObject {
    Q_OBJECT
public:
    explicit TZipArchiver(QObject* parent = nullptr);

    const QString& ZipFilename() const { return m_zipFilename; }
    // Reads the entry list when the file exists; raises EZipError when it cannot be read.
    void setZipFilename(const QString& path);
    const QStringList& Entries() const { return m_entries; }

    const QStringList& FSpecArgs() const { return m_fspecArgs; }
    void setFSpecArgs(const QStringList& args) { m_fspecArgs = args; }
    const QString& ExtrBaseDir() const { return m_extrBaseDir; }
    void setExtrBaseDir(const QString& dir) { m_extrBaseDir = dir; }
    int AddCompLevel() const { return m_addCompLevel; }
    void setAddCompLevel(int level) { m_addCompLevel = qBound(0, level, 9); }

    // Both give the number of files processed.
    int Add();
    int Extract();

Q_SIGNALS:
    // kind: 0 a new file (size, name), 1 a step of ZipReport::Block bytes (bytes so far, name),
    // 2 the end of the batch (files processed, no name).
    void OnProgress(int kind, qint64 size, const QString& name);
    // code above 0 for errors.
    void OnMessage(int code, const QString& text);

private:
    void readEntries();
    void checkCanAdd() const;
    void requireArchiveName() const;
    // Tells OnMessage why an operation failed before the error goes on to the caller.
    template <typename Operation> auto reporting(Operation operation);

    QString m_zipFilename;
    QStringList m_entries;
    QStringList m_fspecArgs;
    QString m_extrBaseDir;
    int m_addCompLevel = 9;
    ZipReport m_report;
};
