#include "gui/submit/TSubmissionVerifyFrm.h"

#include "gui/controls/CompactLayouts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* countLabel(const char* name, int count, QWidget* parent) {
    auto* label = new QLabel(QString::number(count), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TSubmissionVerifyFrm::TSubmissionVerifyFrm(const AppSiteList::Counts& counts, QWidget* parent)
    : QDialog(parent), m_start(new QPushButton(QStringLiteral("Start Posting!"), this)),
      m_cancel(new QPushButton(QStringLiteral("Cancel Posting"), this)) {
    setObjectName(QStringLiteral("TSubmissionVerifyFrm"));
    setWindowTitle(QStringLiteral("Submission Verification:"));
    setModal(true);
    auto* heading = new QLabel(QStringLiteral("Submission Verification"), this);
    heading->setObjectName(QStringLiteral("Heading"));
    heading->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold; color: navy;"));
    auto* note = new QLabel(
        QStringLiteral(
            "  Shipkit will submit using the settings you have chosen on the \"Sites\" tab page."),
        this);
    note->setObjectName(QStringLiteral("Note"));
    note->setWordWrap(true);
    m_start->setObjectName(QStringLiteral("StartBtn"));
    m_start->setDefault(true);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_start, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = CompactLayouts::row();
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    auto* layout = CompactLayouts::column(this, 10);
    layout->addWidget(heading);
    layout->addWidget(note);
    layout->addWidget(statsGroup(counts));
    layout->addLayout(buttons);
    setFixedWidth(320);
    setFixedHeight(sizeHint().height());
}

QGroupBox* TSubmissionVerifyFrm::statsGroup(const AppSiteList::Counts& counts) {
    auto* group = new QGroupBox(QStringLiteral("Post Stats:"), this);
    group->setObjectName(QStringLiteral("PostStats"));
    auto* form = CompactLayouts::form(group);
    form->addRow(QStringLiteral("Total Sites:"), countLabel("TotalLbl", counts.total, group));
    form->addRow(QStringLiteral("New:"), countLabel("NewLbl", counts.newCount, group));
    form->addRow(QStringLiteral("Update:"), countLabel("UpdateLbl", counts.update, group));
    form->addRow(QStringLiteral("HTTP:"), countLabel("HttpLbl", counts.http, group));
    form->addRow(QStringLiteral("FTP:"), countLabel("FtpLbl", counts.ftp, group));
    form->addRow(QStringLiteral("FTP w/Zips:"), countLabel("FtpZipLbl", counts.ftpZip, group));
    form->addRow(QStringLiteral("EMAIL:"), countLabel("EmailLbl", counts.email, group));
    return group;
}
