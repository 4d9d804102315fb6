#pragma once

#include <QWidget>
#include <array>
#include <functional>

class AppFieldBinder;
class ApplicationCommands;
class QGridLayout;
class QLayout;
class QLineEdit;

// What a browse button asks the open-file dialog for.
struct FileRequest {
    QString title;
    QString filter;        // Qt form, e.g. "Icons (*.ICO *.ico)"
    QString defaultSuffix; // empty: none
    QString startPath;
};

// The "Locations" sub-page: web addresses, download locations and the local files.
class AppLocationsPage : public QWidget {
    Q_OBJECT
public:
    // Returns the chosen full path, or an empty text when the user cancelled.
    using FileChooser = std::function<QString(QWidget* parent, const FileRequest& request)>;

    AppLocationsPage(ApplicationCommands& commands, AppFieldBinder& binder,
                     QWidget* parent = nullptr);

    // Tests hand in a chooser that answers without a dialog.
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }
    static QString askOpenFile(QWidget* parent, const FileRequest& request);

private:
    QLayout* buildAddresses();
    QWidget* buildDownloads(const QString& title, const char* suffix);
    QWidget* buildAttachments();
    QLineEdit* spaceless(const char* key);
    void addAttachment(QGridLayout* grid, int row, int column, const QString& caption, int index);
    QWidget* browseButton(int index, QWidget* parent);
    void browse(int index);

    AppFieldBinder& m_binder;
    std::array<QLineEdit*, 5> m_targets{};
    FileChooser m_chooser = &AppLocationsPage::askOpenFile;
    QString m_lastFolder;
};
