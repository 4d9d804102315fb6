#pragma once

#include "submit/RunView.h"

#include <QWidget>
#include <array>
#include <functional>

class LedDigitPanel;
class LedIndicator;
class Prompter;
class QGridLayout;
class QLabel;
class QLayout;
class QListWidget;
class QPrinter;
class QProgressBar;
class QPushButton;
class StepProgressBar;

// "Submit": shows a run as it happens and forwards the run's buttons to the window.
class SubmitPage : public QWidget, public RunView {
    Q_OBJECT
public:
    // Opens the settings dialog modally; false when it was cancelled.
    using SettingsDialog = std::function<bool()>;
    // Lets the user pick and set up a printer; false when the user backed out.
    using PrinterChoice = std::function<bool(QPrinter&)>;

    SubmitPage(Prompter& prompter, SettingsDialog settingsDialog, QWidget* parent = nullptr);

    QPushButton* submitBtn() const { return m_submit; }
    QPushButton* skipBtn() const { return m_skip; }
    QPushButton* cancelBtn() const { return m_cancel; }
    QPushButton* viewReportsBtn() const { return m_viewReports; }
    QPushButton* printLogBtn() const { return m_printLog; }
    QPushButton* exitb() const { return m_exit; }

    LedDigitPanel* SitesToPostdgt() const { return m_toPost; }
    LedDigitPanel* SitesProcesseddgt() const { return m_processed; }
    StepProgressBar* PostStatus() const { return m_progress; }

    void setPrinterChoice(PrinterChoice choice) { m_printerChoice = std::move(choice); }
    // The count's totals: sites to post, none processed yet, an empty bar of that length.
    void showTotals(int total);
    void printClick();

    void setCurrentSite(const QString& site) override;
    void setStatus(Method method, const QString& text) override;
    void setLed(Method method, Led state) override;
    void setCounters(int toPost, int processed) override;
    void setProgress(int position, int maximum) override;
    void setMailProgress(int percent, bool visible) override;
    // Nothing is shown for zero: the field is empty between transfers.
    void setHttpBytes(qint64 bytes) override;
    void clearFtpLog() override;
    void AddFtpLog(const QString& text) override;
    void clearRunLog() override;
    void AddRunLog(const QString& text) override;
    void setPosting(bool on) override;
    bool askMailSettings() override;
    bool confirmRun(const AppSiteList::Counts& counts) override;

Q_SIGNALS:
    void submitClicked();
    void skipClicked();
    void cancelClicked();
    void viewReportsClicked();
    void exitClicked();
    // The window locks its menus and page tabs with this.
    void postingChanged(bool on);

private:
    QLayout* buildStatus();
    void addMethodRow(QGridLayout* grid, Method method, const char* caption);
    QLayout* buildCounters();
    QLayout* buildLists();
    QLayout* buildButtons();
    QPushButton* button(const char* name, const char* caption, void (SubmitPage::*onClick)());

    Prompter& m_prompter;
    SettingsDialog m_settingsDialog;
    PrinterChoice m_printerChoice;
    QLabel* m_currentSite;
    std::array<QLabel*, 3> m_status{};
    std::array<LedIndicator*, 3> m_leds{};
    QLabel* m_httpBytes;
    QProgressBar* m_mailProgress;
    LedDigitPanel* m_toPost;
    LedDigitPanel* m_processed;
    StepProgressBar* m_progress;
    QListWidget* m_ftpList;
    QListWidget* m_log;
    QPushButton* m_submit = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_viewReports = nullptr;
    QPushButton* m_printLog = nullptr;
    QPushButton* m_exit = nullptr;
};
