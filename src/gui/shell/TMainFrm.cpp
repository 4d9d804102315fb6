#include "gui/shell/TMainFrm.h"

#include "base/ShipkitError.h"
#include "commands/UpdateCommands.h"
#include "engines/TEngBuild.h"
#include "gui/engines/SiteBuilderPage.h"
#include "gui/partner/TBHSFrm.h"
#include "gui/partner/TContributeFrm.h"
#include "gui/records/AppInfoPage.h"
#include "gui/records/CompanyPage.h"
#include "gui/reports/TReportsListFrm.h"
#include "gui/scripts/TDefaultScriptFrm.h"
#include "gui/scripts/TEngineCheckFrm.h"
#include "gui/scripts/TScriptCheckFrm.h"
#include "gui/scripts/TVarsForm.h"
#include "gui/shell/Browser.h"
#include "gui/shell/Guarded.h"
#include "gui/shell/QtPrompter.h"
#include "gui/shell/TAboutBox.h"
#include "gui/shell/TSettingsForm.h"
#include "gui/submit/SiteGrid.h"
#include "gui/submit/SitesPage.h"
#include "gui/submit/SubmitPage.h"
#include "gui/update/Tgeteng.h"
#include "shell/TGWide.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabWidget>

Q_LOGGING_CATEGORY(lcInstance, "shipkit.instance", QtWarningMsg)

const QString TMainFrm::ShipkitHomePage = QStringLiteral("https://shipkit.example.com/");
const QString TMainFrm::TallmarkHomePage = QStringLiteral("https://www.tallmark.example.com/");

// Resources of a static library must be registered by hand.
static void initResources() {
    Q_INIT_RESOURCE(shipkit);
}

TMainFrm::TMainFrm(Session& session, QtPrompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_prompter(prompter), m_companyCommands(session),
      m_appCommands(session, m_companyCommands), m_siteBuilderCommands(session),
      m_siteListCommands(session), m_closeQuestions(session, m_companyCommands, m_appCommands,
                                                    m_siteBuilderCommands, m_siteListCommands) {
    initResources();
    setObjectName(QStringLiteral("TMainFrm"));
    setWindowTitle(QStringLiteral("Shipkit 2.04"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    m_prompter.setParent(this);
    buildPages();
    buildMenus();
    wireCompanyPage();
    connect(&m_session, &Session::pageRequested, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::showPage, this)));
    connect(&m_session, &Session::saved, this, [this](const QString& what) {
        statusBar()->showMessage(QStringLiteral("Saved ") + what, SavedMessageMs);
    });
    // The designed size is the smallest that shows everything; the window may grow from it.
    const QSize designed(ClientWidth, ClientHeight + menuBar()->sizeHint().height() +
                                          statusBar()->sizeHint().height());
    setMinimumSize(designed);
    resize(designed);
}

void TMainFrm::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_companyPage = new CompanyPage(m_session, m_pages);
    m_submitPage = new SubmitPage(
        m_session.prompter(), [this] { return Mnu_SettingsClick(); }, m_pages);
    m_sitesPage = new SitesPage(m_session, m_siteBuilderCommands, m_siteListCommands, m_pages);
    m_pages->addTab(m_companyPage, QStringLiteral("Company Info"));
    m_pages->addTab(new AppInfoPage(m_session, m_appCommands, m_pages), QStringLiteral("App Info"));
    m_pages->addTab(m_sitesPage, QStringLiteral("Sites"));
    m_pages->addTab(m_submitPage, QStringLiteral("Submit"));
    m_siteBuilderPage = new SiteBuilderPage(m_session, m_siteBuilderCommands, m_pages);
    m_pages->addTab(m_siteBuilderPage, QStringLiteral("Site Builder"));
    setCentralWidget(m_pages);
    connect(m_pages, &QTabWidget::currentChanged, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::pageChanged, this)));
    connect(m_submitPage->exitb(), &QPushButton::clicked, this, &QWidget::close);
    connect(m_sitesPage, &SitesPage::countsChanged, m_submitPage, &SubmitPage::showTotals);
    connect(m_sitesPage, &SitesPage::viewInSiteBuilder, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::viewInSiteBuilder, this)));
    connect(m_submitPage->viewReportsBtn(), &QPushButton::clicked, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::Mnu_ReportsClick, this)));
    wireSubmitPage();
    wireScriptWindows();
}

QAction* TMainFrm::addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TMainFrm::buildMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    connect(addItem(m_fileMenu, "Mnu_Settings", "&Settings"), &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::Mnu_SettingsClick, this)));
    m_viewReports = addItem(m_fileMenu, "Mnu_ViewReports", "&View Reports");
    connect(m_viewReports, &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::Mnu_ReportsClick, this)));
    connect(addItem(m_fileMenu, "Mnu_CheckEngines", "&Check Site Engines\u2026"),
            &QAction::triggered, this, [this] { Q_EMIT engineCheckerRequested(); });
    m_fileMenu->addSeparator();
    connect(addItem(m_fileMenu, "Mnu_UpdateData", "&Update Data Files"), &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::Mnu_UpdateDataFilesClick, this)));
    m_fileMenu->addSeparator();
    TDefaultScriptFrm::addMenuItems(m_fileMenu, m_session.gwide().paths(), m_session.prompter(),
                                    this);
    m_fileMenu->addSeparator();
    connect(addItem(m_fileMenu, "exitpd", "E&xit"), &QAction::triggered, this, &QWidget::close);

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help2"));
    connect(addItem(m_helpMenu, "Help1", "&Help"), &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::Help1Click, this)));
    connect(addItem(m_helpMenu, "ShipkitHomePage1", "Shipkit Home Page"), &QAction::triggered, this,
            guarded(m_prompter, [] { gourl(ShipkitHomePage); }));
    connect(addItem(m_helpMenu, "TallmarkHomePage1", "Tallmark Home Page"), &QAction::triggered,
            this, guarded(m_prompter, [] { gourl(TallmarkHomePage); }));
    auto* save = new QAction(this);
    save->setObjectName(QStringLiteral("SaveShortcut"));
    save->setShortcut(QKeySequence::Save);
    addAction(save);
    connect(save, &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::saveCurrentPage, this)));
    QAction* about = addItem(m_helpMenu, "About2", "&About");
    about->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    connect(about, &QAction::triggered, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::About2Click, this)));
}

void TMainFrm::wireCompanyPage() {
    connect(m_companyPage, &CompanyPage::companyChosen, this,
            guarded(m_prompter, [this](int index) {
                if (!m_appCommands.chooseCompany(index))
                    m_companyPage->refreshList();
            }));
    connect(m_companyPage->newButton(), &QPushButton::clicked, this,
            guarded(m_prompter, [this] { m_companyCommands.NewCompanyBtnClick(); }));
    connect(m_companyPage->deleteButton(), &QPushButton::clicked, this,
            guarded(m_prompter, [this] { m_companyCommands.DeleteCompanyBtnClick(); }));
    connect(m_companyPage->saveButton(), &QPushButton::clicked, this,
            guarded(m_prompter, [this] { m_companyCommands.SaveCompanyBtnClick(); }));
    connect(m_companyPage->bhsButton(), &QPushButton::clicked, this,
            guarded(m_prompter, [this] { TBHSFrm::BHSIDBtnClick(m_session, this); }));
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainFrm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    // Stays open unless the questions finish: a failed save must not lose the window's data.
    event->ignore();
    if (m_submitCommands->isPosting()) {
        // The run's loop is still on the stack: it ends first, then the window closes.
        m_submitCommands->cancelClick();
        m_closeAfterRun = m_submitCommands->cancelling();
        return;
    }
    if (m_closeQuestions.FormCloseQuery())
        event->accept();
}

void TMainFrm::FormShow() {
    m_session.settings = Settings::read(m_session.gwide().paths().ProgramDir);
    m_sitesPage->applyGridLines();
    showPage(Session::CompanyInfo);
    if (!m_session.apps().isEmpty())
        m_session.selectApp(0);
    m_session.clearUnsaved();
    m_sitesPage->refreshCounts();
    m_sitesPage->ShowSiteEntry();
    m_splash.reset();
}

void TMainFrm::FormActivate() {
    if (m_session.FirstActivationDone)
        return;
    m_sitesPage->refreshCounts();
    m_session.FirstActivationDone = true;
}

void TMainFrm::ActivateMessage() {
    qCInfo(lcInstance) << "brought forward by a later start";
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TMainFrm::saveCurrentPage() {
    if (m_session.Posting)
        return;
    switch (m_pages->currentIndex()) {
    case Session::CompanyInfo:
        m_companyCommands.SaveCompanyBtnClick();
        break;
    case Session::AppInfo:
        m_appCommands.SaveAppBtnClick();
        break;
    case Session::Sites:
        m_siteListCommands.AppSiteChangeBtnClick();
        break;
    case Session::SiteBuilder:
        m_siteBuilderCommands.SaveSiteBtnClick();
        break;
    default:
        break;
    }
}

void TMainFrm::showPage(Session::Page page) {
    m_programSwitch = true;
    m_pages->setCurrentIndex(page);
    m_programSwitch = false;
}

void TMainFrm::pageChanged(int index) {
    if (m_programSwitch) {
        m_lastPage = index;
        return;
    }
    if (m_session.Posting) {
        const QSignalBlocker block(m_pages);
        m_pages->setCurrentIndex(m_lastPage);
        m_session.prompter().beep(Prompter::Sound::Information);
        m_session.prompter().message(QStringLiteral("Tab Change Not Allowed While Posting!"));
        return;
    }
    m_lastPage = index;
    PageControl1Change();
}

bool TMainFrm::requireCompany() {
    if (!m_session.companyText().isEmpty())
        return true;
    m_session.prompter().beep(Prompter::Sound::Information);
    m_session.prompter().errorDialog(
        QStringLiteral("You have not entered your company info. Please do so now!"));
    showPage(Session::CompanyInfo);
    m_companyCommands.NewCompanyBtnClick();
    return false;
}

void TMainFrm::PageControl1Change() {
    switch (m_pages->currentIndex()) {
    case Session::AppInfo:
        requireCompany();
        break;
    case Session::Sites:
        if (requireCompany() && m_session.appText().isEmpty()) {
            m_session.prompter().beep(Prompter::Sound::Information);
            m_session.prompter().errorDialog(QStringLiteral(
                "You have not entered or selected an application yet. Please do so now!"));
            showPage(Session::AppInfo);
        } else if (m_sitesPage->grid()->rowCount() > 0) {
            m_sitesPage->refreshCounts();
            m_sitesPage->grid()->setFocus();
        }
        break;
    case Session::Submit:
        m_sitesPage->refreshCounts();
        break;
    case Session::SiteBuilder:
        m_siteBuilderPage->enterPage();
        break;
    default:
        break;
    }
}

void TMainFrm::wireSubmitPage() {
    m_submitCommands = std::make_unique<SubmitCommands>(m_session, *m_submitPage, m_companyCommands,
                                                        m_appCommands, m_siteBuilderCommands);
    connect(m_submitPage, &SubmitPage::submitClicked, this, guarded(m_prompter, [this] {
                m_submitCommands->submitBtnClick();
                // A close asked for during the run waited for its end.
                if (m_closeAfterRun)
                    close();
            }));
    connect(m_submitPage, &SubmitPage::skipClicked, this,
            guarded(m_prompter, [this] { m_submitCommands->skipClick(); }));
    connect(m_submitPage, &SubmitPage::cancelClicked, this,
            guarded(m_prompter, [this] { m_submitCommands->cancelClick(); }));
    connect(m_submitPage, &SubmitPage::postingChanged, this,
            guarded(m_prompter, std::bind_front(&TMainFrm::lockMenus, this)));
    connect(m_submitCommands.get(), &SubmitCommands::viewReportRequested, this,
            guarded(m_prompter, [](const QString& path) { gourl(path); }));
}

void TMainFrm::setPostingMode(bool on) {
    m_session.Posting = on;
    m_submitPage->setPosting(on);
}

void TMainFrm::lockMenus(bool on) {
    m_fileMenu->setEnabled(!on);
    m_helpMenu->setEnabled(!on);
    m_fileMenu->menuAction()->setEnabled(!on);
    m_helpMenu->menuAction()->setEnabled(!on);
    m_viewReports->setEnabled(!on);
}

void TMainFrm::Help1Click() {
    const QString page = m_session.gwide().paths().ProgramDir + QStringLiteral("shipkit.html");
    // The help page travels inside the program; put it beside the workspace once.
    if (!QFile::exists(page) && !QFile::copy(QStringLiteral(":/help/shipkit.html"), page))
        throw ShipkitError(QStringLiteral("Cannot create file %1").arg(page));
    QFile::setPermissions(page, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    gourl(page);
}

bool TMainFrm::Mnu_SettingsClick() {
    TSettingsForm dialog(m_session, this);
    return dialog.exec() == QDialog::Accepted;
}

void TMainFrm::About2Click() {
    TAboutBox box(this);
    connect(&box, &TAboutBox::makerPageRequested, this,
            guarded(m_prompter, [] { gourl(TallmarkHomePage); }));
    box.exec();
    if (box.checkerRequested())
        Q_EMIT engineCheckerRequested();
}

void TMainFrm::wireScriptWindows() {
    m_vars = new TVarsForm(this);
    m_vars->trackFocusIn(this);
    connect(m_siteBuilderPage, &SiteBuilderPage::variableListRequested, m_vars,
            &TVarsForm::showFor);
    connect(m_siteBuilderPage, &SiteBuilderPage::contributeRequested, this,
            guarded(m_prompter, [this] {
                if (TContributeFrm::ContributeBtnClick(m_session, this))
                    m_siteBuilderPage->contributed();
            }));
    connect(m_siteBuilderPage, &SiteBuilderPage::testScriptRequested, this,
            guarded(m_prompter, [this](SiteEngine::Script script) {
                TScriptCheckFrm::testScript(m_session, script, this);
            }));
    connect(this, &TMainFrm::engineCheckerRequested, this, guarded(m_prompter, [this] {
                // Category variables need a current site, as the builder's page gives one.
                m_siteBuilderCommands.makeFirstSiteCurrent();
                TEngineCheckFrm checker(m_session, this);
                checker.exec();
            }));
}

void TMainFrm::Mnu_ReportsClick() {
    TReportsListFrm::showReports(m_session.gwide().paths().ReportsDir, m_session.prompter(), gourl,
                                 this);
}

void TMainFrm::Mnu_UpdateDataFilesClick() {
    UpdateCommands commands(m_session);
    Tgeteng dialog(m_session.gwide().paths(), commands.request(), m_session.prompter(), this);
    dialog.exec();
    if (!dialog.UpdateDone())
        return;
    commands.RestartAfterUpdate();
    close();
}

void TMainFrm::viewInSiteBuilder(const QString& site) {
    const qsizetype index = m_session.gwide().engBuild()->engineList().indexOf(site);
    showPage(Session::SiteBuilder);
    if (index >= 0)
        m_siteBuilderCommands.selectSite(static_cast<int>(index));
}
