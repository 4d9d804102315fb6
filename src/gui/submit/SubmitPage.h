#pragma once

#include <QWidget>

class LedDigitPanel;
class QPushButton;
class StepProgressBar;

// "Submit": the run's buttons; the run itself fills the page.
class SubmitPage : public QWidget {
    Q_OBJECT
public:
    explicit SubmitPage(QWidget* parent = nullptr);

    QPushButton* submitBtn() const { return m_submit; }
    QPushButton* skipBtn() const { return m_skip; }
    QPushButton* cancelBtn() const { return m_cancel; }
    QPushButton* viewReportsBtn() const { return m_viewReports; }
    QPushButton* printLogBtn() const { return m_printLog; }
    QPushButton* exitb() const { return m_exit; }

    LedDigitPanel* SitesToPostdgt() const { return m_toPost; }
    LedDigitPanel* SitesProcesseddgt() const { return m_processed; }
    StepProgressBar* PostStatus() const { return m_progress; }

    // Posting mode locks everything but "Skip" and "Cancel".
    void setPosting(bool on);
    // The count's totals: sites to post, none processed yet, an empty bar of that length.
    void showTotals(int total);

private:
    QPushButton* m_submit;
    QPushButton* m_skip;
    QPushButton* m_cancel;
    QPushButton* m_viewReports;
    QPushButton* m_printLog;
    QPushButton* m_exit;
    LedDigitPanel* m_toPost;
    LedDigitPanel* m_processed;
    StepProgressBar* m_progress;
};
