#include "gui/submit/SubmitPage.h"

#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/StepProgressBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

SubmitPage::SubmitPage(QWidget* parent)
    : QWidget(parent), m_submit(button("submitBtn", "Save/Submit", this)),
      m_skip(button("SkipBtn", "Skip", this)), m_cancel(button("CancelBtn", "Cancel", this)),
      m_viewReports(button("ViewReportsBtn", "View Reports", this)),
      m_printLog(button("PrintLogBtn", "Print Log", this)), m_exit(button("exitb", "Exit", this)),
      m_toPost(new LedDigitPanel(this)), m_processed(new LedDigitPanel(this)),
      m_progress(new StepProgressBar(this)) {
    setObjectName(QStringLiteral("SubmitSheet"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {m_submit, m_skip, m_cancel, m_viewReports, m_printLog, m_exit})
        row->addWidget(b);
    m_toPost->setObjectName(QStringLiteral("SitesToPostdgt"));
    m_processed->setObjectName(QStringLiteral("SitesProcesseddgt"));
    m_progress->setObjectName(QStringLiteral("PostStatus"));
    for (LedDigitPanel* panel : {m_toPost, m_processed})
        panel->setRange(0, 200);
    auto* counters = new QHBoxLayout;
    counters->addWidget(new QLabel(QStringLiteral("Total To Post:"), this));
    counters->addWidget(m_toPost);
    counters->addWidget(new QLabel(QStringLiteral("Total Processed:"), this));
    counters->addWidget(m_processed);
    counters->addWidget(new QLabel(QStringLiteral("Total Progress:"), this));
    counters->addWidget(m_progress, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(counters);
    layout->addStretch();
    layout->addLayout(row);
    setPosting(false);
}

void SubmitPage::setPosting(bool on) {
    for (QPushButton* b : {m_submit, m_viewReports, m_printLog, m_exit})
        b->setEnabled(!on);
    m_skip->setEnabled(on);
    m_cancel->setEnabled(on);
}

void SubmitPage::showTotals(int total) {
    m_toPost->setValue(total);
    m_processed->setValue(0);
    m_progress->setMaximum(total);
    m_progress->setPosition(0);
}
