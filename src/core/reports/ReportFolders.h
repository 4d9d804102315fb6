#pragma once

#include <QString>
#include <QStringList>

// The report tree as the reports list sees it: application folders under reports/, run
// folders under each, found and deleted by their names alone.
class ReportFolders {
public:
    // reportsDir with its trailing "/".
    explicit ReportFolders(QString reportsDir) : m_reportsDir(std::move(reportsDir)) {}

    QStringList applications() const;
    // Empty when the application has no usable folder.
    QStringList runs(const QString& application) const;
    QString mainReportPath(const QString& application, const QString& run) const;

    // Deletion reports nothing: whatever could not go stays and is listed again.
    void deleteRun(const QString& application, const QString& run) const;
    void deleteApplication(const QString& application) const;

    // Plain folders only: no hidden, read-only or linked ones, nor "." and "..".
    static QStringList listFolders(const QString& dir);
    // A name taken from the user that must stay one level below its folder.
    static bool isPlainName(const QString& name);

private:
    QString appFolder(const QString& application) const { return m_reportsDir + application; }
    static void deleteFiles(const QString& folder);

    QString m_reportsDir;
};
