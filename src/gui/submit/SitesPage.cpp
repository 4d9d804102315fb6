#include "gui/submit/SitesPage.h"

#include "base/BusyCursor.h"
#include "commands/SiteBuilderCommands.h"
#include "commands/SiteListCommands.h"
#include "gui/controls/KeyFilter.h"
#include "gui/shell/Browser.h"
#include "gui/shell/Guarded.h"
#include "gui/submit/SiteGrid.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    return named(new QPushButton(caption, parent), name);
}

void paint(QComboBox* combo, bool enabled) {
    combo->setEnabled(enabled);
    combo->setStyleSheet(enabled ? QStringLiteral("QComboBox { background: white; }")
                                 : QStringLiteral("QComboBox { background: rgb(192,192,192); }"));
}

} // namespace

SitesPage::SitesPage(Session& session, SiteBuilderCommands& builder, SiteListCommands& commands,
                     QWidget* parent)
    : QWidget(parent), m_session(session), m_builder(builder), m_commands(commands) {
    setObjectName(QStringLiteral("SitesSheet"));
    m_grid = new SiteGrid(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildPanel());
    layout->addWidget(buildButtons());
    buildPopup();

    connect(&m_session, &Session::siteListLoaded, this,
            guarded(m_session.prompter(), std::bind_front(&SitesPage::showList, this)));
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            guarded(m_session.prompter(), [this](int row) {
                m_session.siteList().select(row);
                ShowSiteEntry();
            }));
    connect(m_grid, &QTableWidget::cellDoubleClicked, this,
            guarded(m_session.prompter(), std::bind_front(&SitesPage::goToUrl, this)));
    connect(m_grid, &QWidget::customContextMenuRequested, this,
            guarded(m_session.prompter(), std::bind_front(&SitesPage::popupOpened, this)));
}

QWidget* SitesPage::buildPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    m_post = named(new QCheckBox(QStringLiteral("Submit to this software site as"), panel),
                   "DoPostCheckBox");
    m_new = named(new QRadioButton(QStringLiteral("a NEW first time submission"), panel),
                  "SubmitNewRadio");
    m_update = named(new QRadioButton(QStringLiteral("an UPDATE to an Existing Listing"), panel),
                     "SubmitUpdateRadio");
    m_cat1Label = new QLabel(QStringLiteral("Primary Category:"), panel);
    m_cat2Label = new QLabel(QStringLiteral("Secondary Category:"), panel);
    m_cat1 = named(new QComboBox(panel), "CatCombo1");
    m_cat2 = named(new QComboBox(panel), "CatCombo2");
    // The check box and both radio captions are too long for one row of the window.
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_new);
    kinds->addWidget(m_update);
    kinds->addStretch();
    grid->addWidget(m_post, 0, 0, 1, 2);
    grid->addLayout(kinds, 1, 0, 1, 2);
    grid->addWidget(m_cat1Label, 2, 0);
    grid->addWidget(m_cat1, 2, 1);
    grid->addWidget(m_cat2Label, 3, 0);
    grid->addWidget(m_cat2, 3, 1);
    grid->setColumnStretch(1, 1);
    for (QComboBox* combo : {m_cat1, m_cat2}) {
        KeyFilter::noTyping(combo);
        paint(combo, false);
    }
    connect(m_new, &QRadioButton::clicked, this, guarded(m_session.prompter(), [this] {
                m_commands.setSubmit(QStringLiteral("New"));
                refreshSelectedRow();
            }));
    connect(m_update, &QRadioButton::clicked, this, guarded(m_session.prompter(), [this] {
                m_commands.setSubmit(QStringLiteral("Update"));
                refreshSelectedRow();
            }));
    connect(m_post, &QCheckBox::clicked, this, guarded(m_session.prompter(), [this](bool on) {
                if (!m_commands.setPost(on)) {
                    const QSignalBlocker block(m_post);
                    m_post->setChecked(false);
                }
                refreshCounts();
                refreshSelectedRow();
            }));
    connect(m_cat1, &QComboBox::activated, this, guarded(m_session.prompter(), [this] {
                m_commands.setCategory(1, m_cat1->currentText());
                refreshSelectedRow();
            }));
    connect(m_cat2, &QComboBox::activated, this, guarded(m_session.prompter(), [this] {
                m_commands.setCategory(2, m_cat2->currentText());
                refreshSelectedRow();
            }));
    return panel;
}

QWidget* SitesPage::buildButtons() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    QPushButton* up = button("SiteGridUpBtn", QStringLiteral("Up"), box);
    QPushButton* down = button("SiteGridDownBtn", QStringLiteral("Down"), box);
    const char* names[] = {"AllToNewBtn", "AllToUpdateBtn", "AllToPostBtn", "AllToNoPostBtn"};
    const QString captions[] = {"All \"New\"", "All \"Update\"", "All \"Post\"", "All \"No Post\""};
    for (int b = 0; b < 4; ++b) {
        QPushButton* all = button(names[b], captions[b], box);
        grid->addWidget(all, 0, b);
        connect(all, &QPushButton::clicked, this,
                guarded(m_session.prompter(), [this, b] { gridAll(b); }));
    }
    QPushButton* save = button("AppSiteChangeBtn", QStringLiteral("Save Changes"), box);
    QPushButton* url = button("AppSiteGoUrlBtn", QStringLiteral("Go to URL"), box);
    grid->addWidget(up, 0, 4);
    grid->addWidget(down, 0, 5);
    m_count = named(new QLabel(QStringLiteral("0"), box), "SiteGridCountLbl");
    m_total = named(new QLabel(QStringLiteral("0"), box), "TotalToPostLbl");
    m_gridLines = named(new QCheckBox(QStringLiteral("Use Grid Lines"), box), "UseGridLinesChk");
    grid->addWidget(new QLabel(QStringLiteral("Current Available Sites:"), box), 1, 0);
    grid->addWidget(m_count, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Total To Post::"), box), 1, 2);
    grid->addWidget(m_total, 1, 3);
    grid->addWidget(m_gridLines, 1, 4, 1, 2);
    grid->addWidget(save, 2, 0, 1, 2);
    grid->addWidget(url, 2, 2, 1, 2);
    connect(up, &QPushButton::clicked, this, guarded(m_session.prompter(), [this] {
                m_session.siteList().selectUp();
                m_grid->selectRow(m_session.siteList().selected());
                ShowSiteEntry();
            }));
    connect(down, &QPushButton::clicked, this, guarded(m_session.prompter(), [this] {
                m_session.siteList().selectDown();
                m_grid->selectRow(m_session.siteList().selected());
                ShowSiteEntry();
            }));
    connect(save, &QPushButton::clicked, this,
            guarded(m_session.prompter(), [this] { m_commands.AppSiteChangeBtnClick(); }));
    connect(url, &QPushButton::clicked, this,
            guarded(m_session.prompter(), std::bind_front(&SitesPage::goToUrl, this)));
    connect(m_gridLines, &QCheckBox::clicked, this, guarded(m_session.prompter(), [this](bool on) {
                m_session.settings.UseGridLines = on;
                m_session.settings.writeGridLines(m_session.gwide().paths().ProgramDir);
                applyGridLines();
            }));
    return box;
}

void SitesPage::buildPopup() {
    m_popup = named(new QMenu(this), "SiteGridPopupMenu");
    connect(named(m_popup->addAction(QString()), "SG_PopUp_ToPost"), &QAction::triggered, this,
            guarded(m_session.prompter(), [this] {
                m_commands.popupTogglePost();
                refreshCounts();
                ShowSiteEntry();
                refreshSelectedRow();
            }));
    connect(named(m_popup->addAction(QString()), "SG_PopUp_AsPost"), &QAction::triggered, this,
            guarded(m_session.prompter(), [this] {
                m_commands.popupToggleKind();
                ShowSiteEntry();
                refreshSelectedRow();
            }));
    connect(named(m_popup->addAction(QString()), "SG_PopUp_ChangePostDate"), &QAction::triggered,
            this, guarded(m_session.prompter(), [this] {
                m_commands.popupTogglePostDate();
                refreshSelectedRow();
            }));
    m_popup->addSeparator();
    connect(named(m_popup->addAction(QStringLiteral("View in Site Builder")),
                  "SG_PopUp_GoToSiteBuilder"),
            &QAction::triggered, this, guarded(m_session.prompter(), [this] {
                if (const AppSiteEntry* row = m_session.siteList().selectedRow())
                    Q_EMIT viewInSiteBuilder(row->site);
            }));
    connect(named(m_popup->addAction(QStringLiteral("Go To Sites URL")), "SG_PopUp_GoToURL"),
            &QAction::triggered, this,
            guarded(m_session.prompter(), std::bind_front(&SitesPage::goToUrl, this)));
}

void SitesPage::popupOpened(const QPoint& at) {
    const QStringList captions = m_session.siteList().popupCaptions();
    if (captions.isEmpty())
        return;
    const QList<QAction*> actions = m_popup->actions();
    for (int i = 0; i < captions.size(); ++i)
        actions[i]->setText(captions[i]);
    m_popup->popup(m_grid->viewport()->mapToGlobal(at));
}

void SitesPage::showList() {
    const AppSiteList& list = m_session.siteList();
    m_grid->showRows(list.rows());
    m_count->setText(QString::number(list.rows().size()));
    m_grid->selectRow(list.selected());
    ShowSiteEntry();
    refreshCounts();
}

void SitesPage::showCategory(int list, QComboBox* combo, QLabel* label, const QString& stored) {
    const QSignalBlocker block(combo);
    combo->clear();
    paint(combo, false);
    label->setEnabled(false);
    const AppSiteEntry* row = m_session.siteList().selectedRow();
    if (!row || stored == QLatin1String("N/A"))
        return;
    const QStringList labels = m_commands.categoryLabels(row->site, list);
    if (labels.isEmpty())
        return;
    combo->addItems(labels);
    combo->setCurrentIndex(std::max<int>(0, static_cast<int>(labels.indexOf(stored))));
    paint(combo, true);
    label->setEnabled(true);
}

void SitesPage::ShowSiteEntry() {
    AppSiteList& list = m_session.siteList();
    const AppSiteEntry* row = list.selectedRow();
    if (!row)
        return;
    const bool isNew = row->submit == QLatin1String("New");
    // An entry that is neither word becomes "Update", as its radio button says.
    if (!isNew)
        list.setSubmit(QStringLiteral("Update"));
    (isNew ? m_new : m_update)->setChecked(true);
    showCategory(1, m_cat1, m_cat1Label, row->cat1);
    showCategory(2, m_cat2, m_cat2Label, row->cat2);
    const QSignalBlocker block(m_post);
    m_post->setChecked(row->post == QLatin1String("Y"));
    refreshSelectedRow();
}

void SitesPage::refreshSelectedRow() {
    const AppSiteList& list = m_session.siteList();
    if (const AppSiteEntry* row = list.selectedRow())
        m_grid->showRow(list.selected(), *row);
    m_grid->setFocus();
}

void SitesPage::refreshCounts() {
    const int total = m_session.siteList().CountSitesToPost().total;
    m_total->setText(QString::number(total));
    Q_EMIT countsChanged(total);
}

void SitesPage::applyGridLines() {
    const QSignalBlocker block(m_gridLines);
    m_gridLines->setChecked(m_session.settings.UseGridLines);
    m_grid->setShowGrid(m_session.settings.UseGridLines);
}

void SitesPage::goToUrl() {
    const AppSiteEntry* row = m_session.siteList().selectedRow();
    if (!row)
        return;
    if (const auto url = m_builder.siteWebUrl(row->site))
        gourl(*url);
}

void SitesPage::gridAll(int button) {
    const auto which = static_cast<AppSiteList::AllButton>(button);
    if (m_commands.GridAllBtnsClick(which)) {
        m_grid->showRows(m_session.siteList().rows());
        m_grid->selectRow(m_session.siteList().selected());
        if (which == AppSiteList::AllButton::ToPost || which == AppSiteList::AllButton::ToNoPost)
            refreshCounts();
    }
    m_grid->setFocus();
}
