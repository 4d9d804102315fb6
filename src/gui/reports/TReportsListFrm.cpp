#include "gui/reports/TReportsListFrm.h"

#include "base/BusyCursor.h"
#include "base/Prompter.h"
#include "gui/shell/Guarded.h"
#include "reports/ReportHtml.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
constexpr int kListWidth = 300;
}

TReportsListFrm::TReportsListFrm(const QString& reportsDir, Prompter& prompter, Launcher GoUrl,
                                 QWidget* parent)
    : QDialog(parent), m_folders(reportsDir), m_prompter(prompter), m_goUrl(std::move(GoUrl)) {
    setObjectName(QStringLiteral("TReportsListFrm"));
    setWindowTitle(QStringLiteral("Submission Reports"));
    buildWidgets();
    layOut();
    listApplications();
    m_noReports = m_list->count() == 0;
}

void TReportsListFrm::showReports(const QString& reportsDir, Prompter& prompter, Launcher GoUrl,
                                  QWidget* parent) {
    TReportsListFrm dialog(reportsDir, prompter, std::move(GoUrl), parent);
    if (dialog.NoReports()) {
        dialog.noReportsFound();
        return;
    }
    dialog.exec();
}

void TReportsListFrm::buildWidgets() {
    m_level = new QLabel(this);
    m_level->setObjectName(QStringLiteral("LevelLbl"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("RepListBox"));
    m_list->setFixedSize(kListWidth, 220);
    m_go = new QPushButton(QStringLiteral("GO"), this);
    m_go->setObjectName(QStringLiteral("GoBtn"));
    m_go->setDefault(true);
    m_up = new QPushButton(QStringLiteral("UP"), this);
    m_up->setObjectName(QStringLiteral("UpBtn"));
    m_up->setEnabled(false);
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    m_delete->setObjectName(QStringLiteral("DeleteBtn"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            guarded(m_prompter, std::bind_front(&TReportsListFrm::GoBtnClick, this)));
    connect(m_go, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TReportsListFrm::GoBtnClick, this)));
    connect(m_up, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TReportsListFrm::UpBtnClick, this)));
    connect(m_delete, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TReportsListFrm::DeleteBtnClick, this)));
    connect(m_cancel, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&QDialog::reject, this)));
}

void TReportsListFrm::layOut() {
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_go, m_up, m_delete})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    auto* row = new QHBoxLayout;
    row->addWidget(m_list);
    row->addLayout(buttons);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_level);
    column->addLayout(row);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void TReportsListFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    selectFirst();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TReportsListFrm::showList(const QStringList& names) {
    m_list->clear();
    m_list->addItems(names);
    setLevelCaption();
}

void TReportsListFrm::listApplications() {
    showList(m_folders.applications());
}

void TReportsListFrm::setLevelCaption() {
    // A long application name is shortened so the fixed-size dialog never grows or clips.
    const QString text = m_atRunLevel ? QStringLiteral("Runs of %1:").arg(m_selectedApp)
                                      : QStringLiteral("Applications with reports:");
    m_level->setText(m_level->fontMetrics().elidedText(text, Qt::ElideMiddle, kListWidth));
}

void TReportsListFrm::selectFirst() {
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

QString TReportsListFrm::selectedName() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void TReportsListFrm::noReportsFound() {
    m_prompter.beep(Prompter::Sound::Information);
    m_prompter.message(QStringLiteral("No Reports Found"));
}

void TReportsListFrm::GoBtnClick() {
    // Without a selection there is nothing to open or enter.
    const QString entry = selectedName();
    if (entry.isEmpty())
        return;
    m_up->setEnabled(true);
    if (m_atRunLevel) {
        m_goUrl(ReportHtml::urlOf(m_folders.mainReportPath(m_selectedApp, entry)));
        accept();
        return;
    }
    goIntoApplication(entry);
}

void TReportsListFrm::goIntoApplication(const QString& name) {
    m_selectedApp = name;
    const QStringList runs = m_folders.runs(name);
    if (runs.isEmpty()) {
        noReportsFound();
        listApplications();
    } else {
        m_atRunLevel = true;
        showList(runs);
    }
    selectFirst();
}

void TReportsListFrm::UpBtnClick() {
    m_atRunLevel = false;
    m_up->setEnabled(false);
    listApplications();
    selectFirst();
}

void TReportsListFrm::DeleteBtnClick() {
    const QString entry = selectedName();
    if (entry.isEmpty())
        return;
    if (m_atRunLevel)
        deleteRun(entry);
    else
        deleteApplication(entry);
}

void TReportsListFrm::deleteRun(const QString& run) {
    m_prompter.beep(Prompter::Sound::Information);
    if (m_prompter.confirm(QStringLiteral("Delete the selected report?"),
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    BusyCursor busy(m_prompter);
    m_folders.deleteRun(m_selectedApp, run);
    const QStringList runs = m_folders.runs(m_selectedApp);
    if (runs.isEmpty()) {
        UpBtnClick();
        return;
    }
    showList(runs);
    selectFirst();
}

void TReportsListFrm::deleteApplication(const QString& name) {
    m_prompter.beep(Prompter::Sound::Information);
    if (m_prompter.confirm(QStringLiteral("Delete all reports for selected site?"),
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    BusyCursor busy(m_prompter);
    m_folders.deleteApplication(name);
    listApplications();
    if (m_list->count() == 0) {
        reject();
        return;
    }
    selectFirst();
}
