#include "gui/partner/TContributeFrm.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

TContributeFrm::TContributeFrm(Session& session, QWidget* parent)
    : QDialog(parent), m_commands(session) {
    setObjectName(QStringLiteral("TContributeFrm"));
    setWindowTitle(QStringLiteral("Contribute Engine to Tallmark:"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = CompactLayouts::column(this, 8);
    m_text1 = addText("Label1", QStringLiteral("Your site engine (its settings, category lists and "
                                               "scripts) will be sent by e-mail to Tallmark, who "
                                               "may add it to a later site data update."));
    m_text2 = addText("Label2", QStringLiteral("The mail goes out under your company contact's "
                                               "name and address. The FTP password of the site "
                                               "is never sent. Click Submit to send it now."));
    m_panel = new QLabel(QStringLiteral("Sending Submission. Please Wait..."), this);
    m_panel->setObjectName(QStringLiteral("SendingPanel"));
    m_panel->setFrameShape(QFrame::Panel);
    m_panel->setAlignment(Qt::AlignCenter);
    m_panel->setMinimumHeight(60);
    m_panel->hide();
    layout->addWidget(m_text1);
    layout->addWidget(m_text2);
    layout->addWidget(m_panel);
    layout->addWidget(buildButtons());
    connect(m_submit, &QPushButton::clicked, this,
            guarded(session.prompter(), [this] { SubmitBtnClick(); }));
    connect(m_cancel, &QPushButton::clicked, this, &TContributeFrm::reject);
}

bool TContributeFrm::ContributeBtnClick(Session& session, QWidget* parent) {
    if (!ContributeCommands(session).ContributeBtnClick())
        return false;
    TContributeFrm dialog(session, parent);
    dialog.exec();
    return dialog.sent();
}

QLabel* TContributeFrm::addText(const char* name, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    return label;
}

QWidget* TContributeFrm::buildButtons() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), box);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_submit = new QPushButton(QStringLiteral("Submit"), box);
    m_submit->setObjectName(QStringLiteral("SubmitBtn"));
    m_submit->setDefault(true);
    row->addStretch();
    row->addWidget(m_cancel);
    row->addWidget(m_submit);
    return box;
}

void TContributeFrm::SubmitBtnClick() {
    if (!m_commands.contactFilledIn()) {
        QDialog::reject();
        return;
    }
    showSending();
    m_sending = true;
    {
        const auto idle = qScopeGuard([this] { m_sending = false; });
        m_sent = m_commands.SubmitBtnClick();
    }
    done(m_sent ? Accepted : Rejected);
}

void TContributeFrm::showSending() {
    m_submit->setEnabled(false);
    m_cancel->setEnabled(false);
    m_text1->hide();
    m_text2->hide();
    m_panel->show();
}

void TContributeFrm::reject() {
    if (!m_sending)
        QDialog::reject();
}
