#include "gui/engines/SiteBuilderPage.h"

#include "commands/SiteBuilderCommands.h"
#include "engines/TEngBuild.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/engines/SiteBuilderPanel.h"
#include "gui/engines/SiteDetailsPage.h"
#include "gui/engines/SiteEmailPage.h"
#include "gui/engines/SiteEngineBinder.h"
#include "gui/engines/SiteFtpPage.h"
#include "gui/engines/SiteHttpPage.h"
#include "gui/engines/TMatchUpFrm.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QPushButton>
#include <QTabWidget>

SiteBuilderPage::SiteBuilderPage(Session& session, SiteBuilderCommands& commands, QWidget* parent)
    : QWidget(parent), m_session(session), m_commands(commands),
      m_binder(new SiteEngineBinder(session, this)) {
    setObjectName(QStringLiteral("SiteBuilderSheet"));
    auto* layout = CompactLayouts::column(this, 2);
    buildPages();
    m_panel = new SiteBuilderPanel(*m_binder, this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(m_panel);
    wirePanel();
    connect(m_binder, &SiteEngineBinder::variableListRequested, this,
            guarded(m_session.prompter(),
                    std::bind_front(&SiteBuilderPage::variableListRequested, this)));
    connect(&m_session, &Session::engineListChanged, this,
            guarded(m_session.prompter(), std::bind_front(&SiteBuilderPage::refreshLists, this)));
    connect(&m_session, &Session::engineLoaded, this,
            guarded(m_session.prompter(), std::bind_front(&SiteBuilderPage::refreshFields, this)));
    refreshLists();
    m_binder->refresh();
}

void SiteBuilderPage::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("SiteBuilderPages"));
    m_details = new SiteDetailsPage(m_session, *m_binder, m_pages);
    auto* http = new SiteHttpPage(*m_binder, m_pages);
    auto* ftp = new SiteFtpPage(*m_binder, m_pages);
    auto* email = new SiteEmailPage(*m_binder, m_pages);
    m_pages->addTab(m_details, QStringLiteral("Details"));
    m_pages->addTab(http, QStringLiteral("HTTP Post"));
    m_pages->addTab(ftp, QStringLiteral("FTP Upload"));
    m_pages->addTab(email, QStringLiteral("E-mail"));

    connect(m_details, &SiteDetailsPage::sitePicked, this,
            guarded(m_session.prompter(), std::bind_front(&SiteBuilderPage::sitePicked, this)));
    connect(http->matchUpButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(),
                    [this] { TMatchUpFrm::showFor(m_session, m_commands, this); }));
    connect(ftp->defaultScriptButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(),
                    [this] { m_commands.loadDefaultScript(SiteEngine::FtpNew); }));
    connect(email->defaultNewButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(),
                    [this] { m_commands.loadDefaultScript(SiteEngine::EmailNew); }));
    connect(email->defaultUpdateButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(),
                    [this] { m_commands.loadDefaultScript(SiteEngine::EmailUpdate); }));
    connect(http, &SiteHttpPage::testScriptRequested, this,
            guarded(m_session.prompter(),
                    std::bind_front(&SiteBuilderPage::testScriptRequested, this)));
    connect(ftp, &SiteFtpPage::testScriptRequested, this,
            guarded(m_session.prompter(),
                    std::bind_front(&SiteBuilderPage::testScriptRequested, this)));
    connect(email, &SiteEmailPage::testScriptRequested, this,
            guarded(m_session.prompter(),
                    std::bind_front(&SiteBuilderPage::testScriptRequested, this)));
}

void SiteBuilderPage::wirePanel() {
    connect(m_panel->newButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(), std::bind_front(&SiteBuilderPage::newSite, this)));
    connect(m_panel->saveButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(), [this] { m_commands.SaveSiteBtnClick(); }));
    connect(m_panel->deleteButton(), &QPushButton::clicked, this,
            guarded(m_session.prompter(), [this] { m_commands.DeleteSiteBtnClick(); }));
    connect(m_panel, &SiteBuilderPanel::contributeRequested, this,
            guarded(m_session.prompter(),
                    std::bind_front(&SiteBuilderPage::contributeRequested, this)));
}

void SiteBuilderPage::enterPage() {
    const TEngBuild& engines = *m_session.gwide().engBuild();
    if (!engines.engineList().isEmpty() && engines.selectedIndex() < 0)
        sitePicked(0);
}

void SiteBuilderPage::sitePicked(int index) {
    // Picking the site already shown would reload it and drop unsaved edits.
    if (index == m_session.gwide().engBuild()->selectedIndex())
        return;
    hideContribute();
    m_commands.selectSite(index);
}

void SiteBuilderPage::newSite() {
    if (!m_commands.NewSiteBtnClick())
        return;
    m_contributeFor = m_session.gwide().engBuild()->current().name;
    m_panel->contributeButton()->show();
}

void SiteBuilderPage::hideContribute() {
    m_contributeFor.clear();
    m_panel->contributeButton()->hide();
}

void SiteBuilderPage::contributed() {
    hideContribute();
}

void SiteBuilderPage::refreshLists() {
    m_details->refreshLists();
}

void SiteBuilderPage::refreshFields() {
    m_details->refreshSelection();
    m_binder->refresh();
    // Another part of the program may make another site current (a submission run, a delete).
    if (!m_contributeFor.isEmpty() &&
        m_contributeFor != m_session.gwide().engBuild()->current().name)
        hideContribute();
}
