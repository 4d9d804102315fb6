#include "gui/submit/SubmitPage.h"

#include "base/Prompter.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/LedIndicator.h"
#include "gui/controls/StepProgressBar.h"
#include "gui/submit/LogPrinter.h"
#include "gui/submit/TSubmissionVerifyFrm.h"

#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>

namespace {

const QString kIdle = QStringLiteral("Idle");
constexpr int kExtraWidth = 120;

std::size_t slot(RunView::Method method) {
    return static_cast<std::size_t>(method);
}

QLabel* sunkenLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setBackgroundRole(QPalette::Base);
    label->setAutoFillBackground(true);
    label->setMargin(1);
    return label;
}

// Hidden between mails, but it keeps its room so the rows around it stay put.
QProgressBar* mailProgressBar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setRange(0, 100);
    QSizePolicy keepRoom = bar->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(keepRoom);
    bar->hide();
    return bar;
}

QListWidget* logList(const char* name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

QStringList texts(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

void append(QListWidget* list, const QString& text) {
    list->addItem(text);
    list->scrollToBottom();
}

bool askPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

SubmitPage::SubmitPage(Prompter& prompter, SettingsDialog settingsDialog, QWidget* parent)
    : QWidget(parent), m_prompter(prompter), m_settingsDialog(std::move(settingsDialog)),
      m_printerChoice([this](QPrinter& printer) { return askPrintDialog(printer, this); }),
      m_currentSite(sunkenLabel("currentsite", QString(), this)),
      m_httpBytes(sunkenLabel("httpbytes", QString(), this)), m_mailProgress(mailProgressBar(this)),
      m_toPost(new LedDigitPanel(this)), m_processed(new LedDigitPanel(this)),
      m_progress(new StepProgressBar(this)), m_ftpList(logList("ftplist", this)),
      m_log(logList("log", this)) {
    setObjectName(QStringLiteral("SubmitSheet"));
    auto* layout = CompactLayouts::column(this);
    layout->addLayout(buildStatus());
    layout->addLayout(buildCounters());
    layout->addLayout(buildLists(), 1);
    layout->addLayout(buildButtons());
    setPosting(false);
}

QLayout* SubmitPage::buildStatus() {
    QFont bold = m_currentSite->font();
    bold.setBold(true);
    m_currentSite->setFont(bold);
    m_httpBytes->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_mailProgress->setMaximumHeight(m_httpBytes->sizeHint().height());
    auto* grid = CompactLayouts::grid(nullptr, 0);
    grid->addWidget(new QLabel(QStringLiteral("Current Site:"), this), 0, 0, 1, 2);
    grid->addWidget(m_currentSite, 0, 2, 1, 3);
    addMethodRow(grid, Method::Http, "HTTP:");
    addMethodRow(grid, Method::Ftp, "FTP:");
    addMethodRow(grid, Method::Email, "EMAIL:");
    grid->addWidget(new QLabel(QStringLiteral("Bytes:"), this), 1, 3);
    grid->addWidget(m_httpBytes, 1, 4);
    grid->addWidget(m_mailProgress, 3, 3, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setColumnMinimumWidth(4, kExtraWidth);
    return grid;
}

void SubmitPage::addMethodRow(QGridLayout* grid, Method method, const char* caption) {
    static const char* const statusNames[] = {"httpstatus", "ftpstatus", "mailstatus"};
    static const char* const ledNames[] = {"httpled", "ftpled", "mailled"};
    const std::size_t i = slot(method);
    m_status[i] = sunkenLabel(statusNames[i], kIdle, this);
    m_leds[i] = new LedIndicator(this);
    m_leds[i]->setObjectName(QString::fromLatin1(ledNames[i]));
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), row, 0);
    grid->addWidget(m_leds[i], row, 1);
    grid->addWidget(m_status[i], row, 2);
}

QLayout* SubmitPage::buildCounters() {
    m_toPost->setObjectName(QStringLiteral("SitesToPostdgt"));
    m_processed->setObjectName(QStringLiteral("SitesProcesseddgt"));
    m_progress->setObjectName(QStringLiteral("PostStatus"));
    for (LedDigitPanel* panel : {m_toPost, m_processed})
        panel->setRange(0, 200);
    auto* counters = CompactLayouts::row();
    counters->addWidget(new QLabel(QStringLiteral("Total To Post:"), this));
    counters->addWidget(m_toPost);
    counters->addSpacing(8);
    counters->addWidget(new QLabel(QStringLiteral("Total Processed:"), this));
    counters->addWidget(m_processed);
    counters->addSpacing(8);
    counters->addWidget(new QLabel(QStringLiteral("Total Progress:"), this));
    counters->addWidget(m_progress, 1);
    return counters;
}

QLayout* SubmitPage::buildLists() {
    auto* lists = CompactLayouts::grid(nullptr, 0);
    lists->addWidget(new QLabel(QStringLiteral("Run Log:"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("FTP Transcript:"), this), 0, 1);
    lists->addWidget(m_log, 1, 0);
    lists->addWidget(m_ftpList, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 2);
    return lists;
}

QLayout* SubmitPage::buildButtons() {
    m_submit = button("submitBtn", "Save/Submit", &SubmitPage::submitClicked);
    m_skip = button("SkipBtn", "Skip", &SubmitPage::skipClicked);
    m_cancel = button("CancelBtn", "Cancel", &SubmitPage::cancelClicked);
    m_viewReports = button("ViewReportsBtn", "View Reports", &SubmitPage::viewReportsClicked);
    m_printLog = button("PrintLogBtn", "Print Log", &SubmitPage::printClick);
    m_exit = button("exitb", "Exit", &SubmitPage::exitClicked);
    auto* row = CompactLayouts::row();
    for (QPushButton* b : {m_submit, m_skip, m_cancel, m_viewReports, m_printLog, m_exit})
        row->addWidget(b);
    return row;
}

QPushButton* SubmitPage::button(const char* name, const char* caption,
                                void (SubmitPage::*onClick)()) {
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    connect(b, &QPushButton::clicked, this, onClick);
    return b;
}

void SubmitPage::showTotals(int total) {
    setCounters(total, 0);
    setProgress(0, total);
}

void SubmitPage::printClick() {
    const QStringList lines = texts(m_log);
    if (lines.isEmpty()) {
        m_prompter.beep(Prompter::Sound::Information);
        m_prompter.message(QStringLiteral("You do not have a log to print."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!m_printerChoice(printer))
        return;
    if (!LogPrinter(m_log->font()).print(printer, lines))
        m_prompter.errorDialog(QStringLiteral("The printer could not be started."));
}

void SubmitPage::setCurrentSite(const QString& site) {
    m_currentSite->setText(site);
}

void SubmitPage::setStatus(Method method, const QString& text) {
    m_status[slot(method)]->setText(text);
}

void SubmitPage::setLed(Method method, Led state) {
    LedIndicator* led = m_leds[slot(method)];
    led->setLit(state != Led::Off);
    led->setBlinking(state == Led::Blinking);
}

void SubmitPage::setCounters(int toPost, int processed) {
    m_toPost->setValue(toPost);
    m_processed->setValue(processed);
}

void SubmitPage::setProgress(int position, int maximum) {
    m_progress->setMaximum(maximum);
    m_progress->setPosition(position);
}

void SubmitPage::setMailProgress(int percent, bool visible) {
    m_mailProgress->setValue(percent);
    m_mailProgress->setVisible(visible);
}

void SubmitPage::setHttpBytes(qint64 bytes) {
    m_httpBytes->setText(bytes > 0 ? QString::number(bytes) : QString());
}

void SubmitPage::clearFtpLog() {
    m_ftpList->clear();
}

void SubmitPage::AddFtpLog(const QString& text) {
    append(m_ftpList, text);
}

void SubmitPage::clearRunLog() {
    m_log->clear();
}

void SubmitPage::AddRunLog(const QString& text) {
    append(m_log, text);
}

void SubmitPage::setPosting(bool on) {
    for (QPushButton* b : {m_submit, m_viewReports, m_printLog, m_exit})
        b->setEnabled(!on);
    m_skip->setEnabled(on);
    m_cancel->setEnabled(on);
    if (!on)
        showTotals(0);
    Q_EMIT postingChanged(on);
}

bool SubmitPage::askMailSettings() {
    return m_settingsDialog();
}

bool SubmitPage::confirmRun(const AppSiteList::Counts& counts) {
    TSubmissionVerifyFrm dialog(counts, this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    showTotals(counts.total);
    return true;
}
