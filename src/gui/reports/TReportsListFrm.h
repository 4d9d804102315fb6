#pragma once

#include "reports/ReportFolders.h"

#include <QDialog>
#include <functional>

class Prompter;
class QLabel;
class QListWidget;
class QPushButton;

// "Submission Reports": browses reports/ one level at a time (applications, then the runs of
// one), opens a run's main report in the browser and deletes reports.
class TReportsListFrm : public QDialog {
    Q_OBJECT
public:
    // Opens a page in the browser; raises when it cannot.
    using Launcher = std::function<void(const QString&)>;

    TReportsListFrm(const QString& reportsDir, Prompter& prompter, Launcher GoUrl,
                    QWidget* parent = nullptr);

    // The menu command: "No Reports Found" when there is nothing to list, else the dialog.
    static void showReports(const QString& reportsDir, Prompter& prompter, Launcher GoUrl,
                            QWidget* parent = nullptr);

    bool NoReports() const { return m_noReports; }
    bool AtRunLevel() const { return m_atRunLevel; }
    const QString& SelectedApp() const { return m_selectedApp; }
    QListWidget* RepListBox() const { return m_list; }
    QPushButton* GoBtn() const { return m_go; }
    QPushButton* UpBtn() const { return m_up; }
    QPushButton* DeleteBtn() const { return m_delete; }
    QPushButton* CancelBtn() const { return m_cancel; }

public Q_SLOTS:
    void GoBtnClick();
    void UpBtnClick();
    void DeleteBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWidgets();
    void layOut();
    void showList(const QStringList& names);
    void listApplications();
    void selectFirst();
    void setLevelCaption();
    QString selectedName() const;
    void goIntoApplication(const QString& name);
    void deleteRun(const QString& run);
    void deleteApplication(const QString& name);
    void noReportsFound();

    ReportFolders m_folders;
    Prompter& m_prompter;
    Launcher m_goUrl;
    bool m_atRunLevel = false;
    QString m_selectedApp;
    bool m_noReports = false;
    QLabel* m_level = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_go = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_cancel = nullptr;
};
