#include "reports/ReportFolders.h"

#include "records/NameRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool ReportFolders::isPlainName(const QString& name) {
    return !name.isEmpty() && NameRules::fileNameProblem(name).isEmpty();
}

QStringList ReportFolders::listFolders(const QString& dir) {
    // Sorted by name, as the desktop's own file system returns them, so runs come in order.
    const QFileInfoList entries = QDir(dir).entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QFileInfo& entry : entries) {
        if (entry.permission(QFile::WriteOwner))
            names << entry.fileName();
    }
    return names;
}

QStringList ReportFolders::applications() const {
    return listFolders(m_reportsDir);
}

QStringList ReportFolders::runs(const QString& application) const {
    if (!isPlainName(application))
        return {};
    return listFolders(appFolder(application));
}

QString ReportFolders::mainReportPath(const QString& application, const QString& run) const {
    return appFolder(application) + u'/' + run + QStringLiteral("/MainReport.htm");
}

void ReportFolders::deleteFiles(const QString& folder) {
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden |
                                                             QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // A link is removed as a link; the folder it points to is never touched.
        if (entry.isDir() && !entry.isSymLink())
            continue;
        QFile::remove(entry.filePath());
    }
}

void ReportFolders::deleteRun(const QString& application, const QString& run) const {
    if (!isPlainName(application) || !isPlainName(run))
        return;
    const QString folder = appFolder(application) + u'/' + run;
    deleteFiles(folder);
    QDir().rmdir(folder);
}

void ReportFolders::deleteApplication(const QString& application) const {
    if (!isPlainName(application))
        return;
    const QString folder = appFolder(application);
    const QStringList runFolders = listFolders(folder);
    for (const QString& run : runFolders)
        deleteFiles(folder + u'/' + run);
    for (const QString& run : runFolders)
        QDir().rmdir(folder + u'/' + run);
    QDir().rmdir(folder);
}
