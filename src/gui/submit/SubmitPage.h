#pragma once

#include <QWidget>

class QPushButton;

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

    // Posting mode locks everything but "Skip" and "Cancel".
    void setPosting(bool on);

private:
    QPushButton* m_submit;
    QPushButton* m_skip;
    QPushButton* m_cancel;
    QPushButton* m_viewReports;
    QPushButton* m_printLog;
    QPushButton* m_exit;
};
