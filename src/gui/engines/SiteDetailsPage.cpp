#include "gui/engines/SiteDetailsPage.h"

#include "engines/TEngBuild.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/controls/KeyFilter.h"
#include "gui/engines/SiteEngineBinder.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

SiteDetailsPage::SiteDetailsPage(Session& session, SiteEngineBinder& binder, QWidget* parent)
    : QWidget(parent), m_session(session), m_binder(binder) {
    setObjectName(QStringLiteral("DetailsSheet"));
    auto* layout = CompactLayouts::column(this);
    layout->addWidget(buildNames());
    layout->addWidget(buildCategories(), 1);
    layout->addWidget(buildAccepts());
    m_builtIn = hiddenList(QStringLiteral("EB_TallmarkSiteNameCombo"));
    m_user = hiddenList(QStringLiteral("EB_UserSiteNameCombo"));
    refreshLists();
}

QWidget* SiteDetailsPage::buildNames() {
    auto* box = new QWidget(this);
    auto* form = CompactLayouts::form(box);
    form->setContentsMargins(0, 0, 0, 0);
    m_siteNames = new QComboBox(box);
    m_siteNames->setObjectName(QStringLiteral("EB_SiteNameCombo"));
    m_siteNames->setEditable(false);
    m_siteNames->setMaxVisibleItems(20);
    KeyFilter::noTyping(m_siteNames);
    connect(m_siteNames, &QComboBox::activated, this,
            guarded(m_session.prompter(), std::bind_front(&SiteDetailsPage::sitePicked, this)));
    form->addRow(QStringLiteral("Site Name:"), m_siteNames);
    form->addRow(
        QStringLiteral("Site's Web Page:"),
        m_binder.edit(QStringLiteral("EB_SitesWebUrlEdit"), QStringLiteral("SITES_WEB_URL"), box));
    return box;
}

QWidget* SiteDetailsPage::buildCategories() {
    auto* box = new QWidget(this);
    auto* grid = CompactLayouts::grid(box, 0);
    const auto add = [&](int column, const char* use, const char* key, const QString& caption,
                         const char* memo, SiteEngineBinder::Memo which) {
        QCheckBox* check = m_binder.check(QLatin1String(use), QLatin1String(key), caption, box);
        QPlainTextEdit* list = m_binder.memo(QLatin1String(memo), which, box);
        // One category per line: wrapping would hide where a line ends.
        list->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_binder.governs(check, {list});
        grid->addWidget(check, 0, column);
        grid->addWidget(list, 1, column);
    };
    add(0, "EB_UseCatagory1", "USE_CAT1", QStringLiteral("Use Primary Category Selections"),
        "EB_CatagoriesMemo1", SiteEngineBinder::Memo::Cat1);
    add(1, "EB_UseCatagory2", "USE_CAT2", QStringLiteral("Use Secondary Category Selections"),
        "EB_CatagoriesMemo2", SiteEngineBinder::Memo::Cat2);
    grid->setRowStretch(1, 1);
    return box;
}

QGroupBox* SiteDetailsPage::group(const QString& title) {
    auto* box = new QGroupBox(title, this);
    CompactLayouts::row(box, CompactLayouts::Margin);
    return box;
}

QWidget* SiteDetailsPage::buildAccepts() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    QGroupBox* type = group(QStringLiteral("Site Accepts:"));
    const QString typeKey = QStringLiteral("SITE_TYPE");
    type->layout()->addWidget(m_binder.choice(QStringLiteral("EB_TypeFreeRadio"), typeKey, 1,
                                              QStringLiteral("Freeware Only"), type));
    type->layout()->addWidget(m_binder.choice(QStringLiteral("EB_TypeShareRadio"), typeKey, 2,
                                              QStringLiteral("Freeware && Shareware"), type));
    QGroupBox* system = group(QStringLiteral("Site Accepts Operating Systems of:"));
    const QString systemKey = QStringLiteral("SITE_SYSTEM");
    system->layout()->addWidget(m_binder.choice(QStringLiteral("EB_32BitOnly"), systemKey, 1,
                                                QStringLiteral("32 Bit Only"), system));
    system->layout()->addWidget(m_binder.choice(QStringLiteral("EB_16BitOnly"), systemKey, 2,
                                                QStringLiteral("16 Bit Only"), system));
    system->layout()->addWidget(m_binder.choice(QStringLiteral("EB_3216Bit"), systemKey, 3,
                                                QStringLiteral("Both"), system));
    row->addWidget(type);
    row->addWidget(system, 1);
    return box;
}

QComboBox* SiteDetailsPage::hiddenList(const QString& name) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->hide();
    return list;
}

void SiteDetailsPage::refreshLists() {
    const TEngBuild& engines = *m_session.gwide().engBuild();
    // The lists keep themselves sorted, so the combos show them in their own order.
    const auto fill = [](QComboBox* box, const QStringList& names) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(names);
    };
    fill(m_siteNames, engines.engineList());
    fill(m_builtIn, engines.builtInList());
    fill(m_user, engines.userList());
    refreshSelection();
}

void SiteDetailsPage::refreshSelection() {
    const QSignalBlocker block(m_siteNames);
    m_siteNames->setCurrentIndex(m_session.gwide().engBuild()->selectedIndex());
}
