#include "gui/partner/TBHSNewAccountFrm.h"

#include "base/Prompter.h"
#include "base/ScopeGuard.h"
#include "commands/PartnerCommands.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/shell/Guarded.h"
#include "partner/BhsClient.h"
#include "partner/BhsPrompts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBHSNewAccountFrm::TBHSNewAccountFrm(const PartnerCommands& commands, Prompter& prompter,
                                     QWidget* parent)
    : QDialog(parent), m_prompter(prompter), m_client(commands.makeClient(this)) {
    setObjectName(QStringLiteral("TBHSNewAccountFrm"));
    setWindowTitle(QStringLiteral("Get New BHS Account:"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildWidgets(commands.newAccountForm());
    connect(m_client, &BhsClient::status, m_statusLine, &QLabel::setText);
}

void TBHSNewAccountFrm::buildWidgets(const BhsAccountForm& form) {
    auto* layout = CompactLayouts::column(this, 8);
    auto* fields = CompactLayouts::form();
    for (int f = 0; f < BhsAccountForm::FieldCount; ++f) {
        const BhsAccountForm::FieldInfo& info = BhsAccountForm::fields()[f];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(info.control));
        edit->setMaxLength(info.maxLength);
        edit->setMinimumWidth(300);
        fields->addRow(QLatin1String(info.label), edit);
        m_edits[f] = edit;
    }
    layout->addLayout(fields);
    layout->addWidget(buildWaitPanel());
    layout->addWidget(buildButtons());
    showForm(form);
}

QWidget* TBHSNewAccountFrm::buildWaitPanel() {
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("WaitPanel"));
    auto* column = CompactLayouts::column(m_panel, 12);
    column->addWidget(
        new QLabel(QStringLiteral("Requesting BHS Account.   Please Wait..."), m_panel), 0,
        Qt::AlignHCenter);
    m_statusLine = new QLabel(m_panel);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setTextFormat(Qt::PlainText);
    column->addWidget(m_statusLine, 0, Qt::AlignHCenter);
    m_panel->hide();
    return m_panel;
}

QWidget* TBHSNewAccountFrm::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_request = new QPushButton(QStringLiteral("Request Account"), box);
    m_request->setObjectName(QStringLiteral("RequestBtn"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), box);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    row->addStretch();
    row->addWidget(m_request);
    row->addWidget(cancel);
    connect(m_request, &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TBHSNewAccountFrm::RequestBtnClick, this)));
    connect(cancel, &QPushButton::clicked, this, &TBHSNewAccountFrm::reject);
    return box;
}

BhsAccountForm TBHSNewAccountFrm::fromEdits() const {
    BhsAccountForm form;
    for (int f = 0; f < BhsAccountForm::FieldCount; ++f)
        form.set(static_cast<BhsAccountForm::Field>(f), m_edits[f]->text());
    return form;
}

void TBHSNewAccountFrm::showForm(const BhsAccountForm& form) {
    for (int f = 0; f < BhsAccountForm::FieldCount; ++f)
        m_edits[f]->setText(form[static_cast<BhsAccountForm::Field>(f)]);
}

void TBHSNewAccountFrm::RequestBtnClick() {
    BhsAccountForm form = fromEdits();
    if (!form.complete()) {
        m_prompter.beep(Prompter::Sound::Information);
        m_prompter.errorDialog(QStringLiteral("You must fill in all fields!"));
        return;
    }
    if (!BhsPrompts::askConnected(m_prompter))
        return;
    form.fillBlanks();
    showForm(form);
    const std::optional<QString> answer = send(form);
    if (!answer && !m_closeRequested)
        BhsPrompts::couldNotConnect(m_prompter);
    if (!answer)
        return QDialog::reject();
    m_newId = BhsAccountForm::newId(*answer);
    accept();
}

std::optional<QString> TBHSNewAccountFrm::send(const BhsAccountForm& form) {
    m_busy = true;
    m_closeRequested = false;
    m_panel->show();
    m_request->setEnabled(false);
    const ScopeGuard done([this] {
        m_busy = false;
        m_panel->hide();
        m_request->setEnabled(true);
    });
    try {
        return m_client->post(BhsClient::NewAccountPage, form.body());
    } catch (const ShipkitError&) {
        return std::nullopt;
    }
}

void TBHSNewAccountFrm::reject() {
    if (!m_busy)
        return QDialog::reject();
    m_closeRequested = true;
    m_client->cancel();
}
