#include "gui/submit/SubmitPage.h"

#include <QHBoxLayout>
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
      m_printLog(button("PrintLogBtn", "Print Log", this)), m_exit(button("exitb", "Exit", this)) {
    setObjectName(QStringLiteral("SubmitSheet"));
    auto* row = new QHBoxLayout;
    for (QPushButton* b : {m_submit, m_skip, m_cancel, m_viewReports, m_printLog, m_exit})
        row->addWidget(b);
    auto* layout = new QVBoxLayout(this);
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
