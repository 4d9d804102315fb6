#include "gui/partner/TBHSFrm.h"

#include "base/ScopeGuard.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/partner/TBHSNewAccountFrm.h"
#include "gui/shell/Guarded.h"
#include "partner/BhsAccount.h"
#include "partner/BhsClient.h"
#include "partner/BhsPrompts.h"
#include "shell/Session.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace {
enum Column { NameColumn, IdColumn };
}

TBHSFrm::TBHSFrm(Session& session, QWidget* parent)
    : QDialog(parent), m_session(session), m_commands(session),
      m_client(m_commands.makeClient(this)) {
    setObjectName(QStringLiteral("TBHSFrm"));
    setWindowTitle(QStringLiteral("Beverly Hills Software ID"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildWidgets();
    connect(m_client, &BhsClient::status, m_statusLine, &QLabel::setText);
}

void TBHSFrm::BHSIDBtnClick(Session& session, QWidget* parent) {
    if (!PartnerCommands(session).BHSIDBtnClick())
        return;
    TBHSFrm dialog(session, parent);
    dialog.exec();
}

void TBHSFrm::buildWidgets() {
    auto* layout = CompactLayouts::column(this, 8);
    auto* text = new QLabel(
        QStringLiteral("Submissions to the Beverly Hills Software download center carry your "
                       "account number there. Browse the accounts to find your company's, or "
                       "ask for a new account."),
        this);
    text->setWordWrap(true);
    layout->addWidget(text);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("AccountList"));
    m_list->setHeaderLabels({QStringLiteral("Company"), QStringLiteral("ID")});
    m_list->setRootIsDecorated(false);
    m_list->header()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_list->setMinimumSize(420, 200);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this,
            guarded(m_session.prompter(),
                    [this](QTreeWidgetItem* item, int) { AccountListDblClick(item); }));
    layout->addWidget(m_list);
    layout->addWidget(buildWaitPanel());
    layout->addWidget(buildButtons());
}

QWidget* TBHSFrm::buildWaitPanel() {
    m_panel = new QWidget(this);
    m_panel->setObjectName(QStringLiteral("WaitPanel"));
    auto* column = CompactLayouts::column(m_panel, 20);
    column->addWidget(new QLabel(QStringLiteral("Getting BHS Accounts. Please wait..."), m_panel),
                      0, Qt::AlignHCenter);
    m_statusLine = new QLabel(m_panel);
    m_statusLine->setObjectName(QStringLiteral("StatusLine"));
    m_statusLine->setTextFormat(Qt::PlainText);
    column->addWidget(m_statusLine, 0, Qt::AlignHCenter);
    m_panel->hide();
    return m_panel;
}

QPushButton* TBHSFrm::addButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    parent->layout()->addWidget(button);
    return button;
}

QWidget* TBHSFrm::buildButtons() {
    auto* box = new QWidget(this);
    CompactLayouts::row(box);
    m_browse = addButton("BrowseBtn", "Browse Accounts", box);
    m_newAccount = addButton("NewAccountBtn", "Get New Account", box);
    m_use = addButton("UseSelectedBtn", "Use Selected", box);
    m_use->setEnabled(false);
    QPushButton* cancel = addButton("CancelBtn", "Cancel", box);
    Prompter& prompter = m_session.prompter();
    connect(m_browse, &QPushButton::clicked, this,
            guarded(prompter, std::bind_front(&TBHSFrm::BrowseBtnClick, this)));
    connect(m_newAccount, &QPushButton::clicked, this,
            guarded(prompter, std::bind_front(&TBHSFrm::NewAccountBtnClick, this)));
    connect(m_use, &QPushButton::clicked, this,
            guarded(prompter, std::bind_front(&TBHSFrm::UseSelectedBtnClick, this)));
    connect(cancel, &QPushButton::clicked, this, &TBHSFrm::reject);
    return box;
}

void TBHSFrm::BrowseBtnClick() {
    if (!BhsPrompts::askConnected(m_session.prompter()))
        return;
    const std::vector<BhsAccount> accounts = fetchAccounts();
    if (m_closeRequested)
        return QDialog::reject();
    if (accounts.empty()) {
        BhsPrompts::couldNotConnect(m_session.prompter());
        return QDialog::reject();
    }
    showAccounts(accounts);
}

std::vector<BhsAccount> TBHSFrm::fetchAccounts() {
    m_busy = true;
    m_closeRequested = false;
    showWaiting(true);
    const ScopeGuard done([this] {
        m_busy = false;
        showWaiting(false);
    });
    m_statusLine->setText(QStringLiteral("(Connecting to BHS Server)"));
    try {
        return BhsAccount::parseList(m_client->get(BhsClient::AccountListPage));
    } catch (const ShipkitError&) {
        return {};
    }
}

void TBHSFrm::showWaiting(bool waiting) {
    m_panel->setVisible(waiting);
    m_list->setVisible(!waiting);
    m_browse->setEnabled(!waiting);
    m_newAccount->setEnabled(!waiting);
}

void TBHSFrm::showAccounts(const std::vector<BhsAccount>& accounts) {
    m_list->clear();
    for (const BhsAccount& account : accounts)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{account.name, account.id}));
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_use->setEnabled(true);
}

void TBHSFrm::AccountListDblClick(QTreeWidgetItem* item) {
    m_session.prompter().message(QStringLiteral("Id = ") + item->text(IdColumn));
}

void TBHSFrm::UseSelectedBtnClick() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (item && m_commands.useAccount({item->text(NameColumn), item->text(IdColumn)}))
        accept();
}

void TBHSFrm::NewAccountBtnClick() {
    TBHSNewAccountFrm request(m_commands, m_session.prompter(), this);
    request.exec();
    if (m_commands.takeNewAccount(request.newId()))
        accept();
    else
        QDialog::reject();
}

void TBHSFrm::reject() {
    if (!m_busy)
        return QDialog::reject();
    m_closeRequested = true;
    m_client->cancel();
}
