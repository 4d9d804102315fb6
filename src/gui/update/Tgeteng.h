#pragma once

#include "update/SiteDataUpdate.h"

#include <QDialog>

class LedDigitPanel;
class Prompter;
class QLabel;
class QListWidget;
class QPushButton;
class StepProgressBar;

// "Update Data Files": shows the site data update's progress and tells its outcome. The update
// itself is SiteDataUpdate's; the updates folder is emptied when the dialog opens.
class Tgeteng : public QDialog {
    Q_OBJECT
public:
    Tgeteng(const Workspace& paths, const UpdateRequest& request, Prompter& prompter,
            QWidget* parent = nullptr);

    bool UpdateDone() const { return m_update.UpdateDone(); }

    // "Start Update": a failure says why and leaves the dialog ready for another try.
    void Button1Click();

protected:
    // Closing during the download stops it; the dialog closes once the download has ended.
    void reject() override;

private:
    void buildWidgets();
    void connectProgress();
    void track(const QString& line, bool replacesLast);
    QString run();

    SiteDataUpdate m_update;
    UpdateRequest m_request;
    Prompter& m_prompter;
    QLabel* m_status = nullptr;
    LedDigitPanel* m_percent = nullptr;
    StepProgressBar* m_bar = nullptr;
    QPushButton* m_start = nullptr;
    QListWidget* m_track = nullptr;
    bool m_running = false;
    bool m_closeRequested = false;
};
