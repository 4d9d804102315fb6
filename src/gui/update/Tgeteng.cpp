#include "gui/update/Tgeteng.h"

#include "base/BusyCursor.h"
#include "base/ScopeGuard.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/StepProgressBar.h"
#include "gui/shell/Guarded.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

Tgeteng::Tgeteng(const Workspace& paths, const UpdateRequest& request, Prompter& prompter,
                 QWidget* parent)
    : QDialog(parent), m_update(paths), m_request(request), m_prompter(prompter) {
    setObjectName(QStringLiteral("Tgeteng"));
    setWindowTitle(QStringLiteral("Update Data Files"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildWidgets();
    connectProgress();
    m_update.clean();
}

void Tgeteng::buildWidgets() {
    auto* layout = CompactLayouts::column(this, 10);
    m_status = new QLabel(QStringLiteral("Status:"), this);
    m_status->setObjectName(QStringLiteral("Label4"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setMinimumWidth(320);
    layout->addWidget(m_status);
    auto* row = CompactLayouts::row();
    m_percent = new LedDigitPanel(this);
    m_percent->setObjectName(QStringLiteral("percent"));
    m_percent->setRange(0, 100);
    row->addWidget(m_percent);
    auto* caption = new QLabel(QStringLiteral("% Complete"), this);
    caption->setObjectName(QStringLiteral("Label3"));
    row->addWidget(caption);
    row->addStretch();
    layout->addLayout(row);
    m_bar = new StepProgressBar(this);
    m_bar->setObjectName(QStringLiteral("bar"));
    m_bar->setRange(0, 100);
    layout->addWidget(m_bar);
    m_start = new QPushButton(QStringLiteral("Start Update"), this);
    m_start->setObjectName(QStringLiteral("Button1"));
    layout->addWidget(m_start, 0, Qt::AlignHCenter);
    // The connection trace stays out of sight; it is there for whoever looks into a failure.
    m_track = new QListWidget(this);
    m_track->setObjectName(QStringLiteral("lTrack"));
    m_track->hide();
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_start, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&Tgeteng::Button1Click, this)));
}

void Tgeteng::connectProgress() {
    connect(&m_update, &SiteDataUpdate::status, m_status, &QLabel::setText);
    connect(&m_update, &SiteDataUpdate::percent, m_percent, &LedDigitPanel::setValue);
    connect(&m_update, &SiteDataUpdate::bar, this, [this](int minimum, int maximum, int position) {
        m_bar->setRange(minimum, maximum);
        m_bar->setPosition(position);
    });
    connect(&m_update, &SiteDataUpdate::tracked, this, &Tgeteng::track);
}

void Tgeteng::track(const QString& line, bool replacesLast) {
    if (replacesLast && m_track->count() > 0)
        m_track->item(m_track->count() - 1)->setText(line);
    else
        m_track->addItem(line);
}

void Tgeteng::Button1Click() {
    if (m_running)
        return;
    const QString failure = run();
    if (failure.isEmpty()) {
        m_prompter.message(QStringLiteral("Data File Update Complete"));
        return accept();
    }
    // Whoever closed the dialog during the download knows why it stopped.
    if (m_closeRequested)
        return QDialog::reject();
    m_prompter.errorDialog(failure);
}

// Empty when the new data is installed, else the reason it is not.
QString Tgeteng::run() {
    m_running = true;
    m_closeRequested = false;
    m_start->setEnabled(false);
    const ScopeGuard idle([this] {
        m_running = false;
        m_start->setEnabled(true);
    });
    BusyCursor busy(m_prompter);
    try {
        m_update.download(m_request);
    } catch (const ShipkitError& e) {
        return e.message();
    }
    return QString();
}

void Tgeteng::reject() {
    if (!m_running)
        return QDialog::reject();
    m_closeRequested = true;
    m_update.cancel();
}
