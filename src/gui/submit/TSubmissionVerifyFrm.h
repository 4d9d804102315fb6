#pragma once

#include "submit/AppSiteList.h"

#include <QDialog>

class QGroupBox;
class QPushButton;

// "Submission Verification:": the last look at what a run will post before it starts.
class TSubmissionVerifyFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSubmissionVerifyFrm(const AppSiteList::Counts& counts, QWidget* parent = nullptr);

    QPushButton* StartBtn() const { return m_start; }
    QPushButton* CancelBtn() const { return m_cancel; }

private:
    QGroupBox* statsGroup(const AppSiteList::Counts& counts);

    QPushButton* m_start;
    QPushButton* m_cancel;
};
