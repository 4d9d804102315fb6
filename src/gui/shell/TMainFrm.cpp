#include "gui/shell/TMainFrm.h"

#include "gui/records/CompanyPage.h"
#include "gui/shell/QtPrompter.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QAction>
#include <QEvent>
#include <QLoggingCategory>
#include <QMenuBar>
#include <QTabWidget>

Q_LOGGING_CATEGORY(lcInstance, "shipkit.instance", QtWarningMsg)

namespace {

QTabWidget* subPages(const QString& name, const QStringList& captions, QWidget* parent) {
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(name);
    for (const QString& caption : captions)
        tabs->addTab(new QWidget(tabs), caption);
    return tabs;
}

QWidget* sheet(const char* name, QWidget* content, QWidget* parent) {
    auto* page = content ? content : new QWidget(parent);
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

} // namespace

TMainFrm::TMainFrm(Session& session, QtPrompter& prompter, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("TMainFrm"));
    setWindowTitle(QStringLiteral("Shipkit 2.04"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    m_prompter.setParent(this);
    buildPages();
    buildMenus();
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
}

void TMainFrm::buildPages() {
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_companyPage = new CompanyPage(m_session, m_pages);
    m_pages->addTab(m_companyPage, QStringLiteral("Company Info"));
    m_pages->addTab(sheet("AppInfoSheet",
                          subPages(QStringLiteral("AppInfoPages"),
                                   {QStringLiteral("General"), QStringLiteral("Locations"),
                                    QStringLiteral("Description")},
                                   m_pages),
                          m_pages),
                    QStringLiteral("App Info"));
    m_pages->addTab(sheet("SitesSheet", nullptr, m_pages), QStringLiteral("Sites"));
    m_pages->addTab(sheet("SubmitSheet", nullptr, m_pages), QStringLiteral("Submit"));
    m_pages->addTab(sheet("SiteBuilderSheet",
                          subPages(QStringLiteral("SiteBuilderPages"),
                                   {QStringLiteral("Details"), QStringLiteral("HTTP Post"),
                                    QStringLiteral("FTP Upload"), QStringLiteral("E-mail")},
                                   m_pages),
                          m_pages),
                    QStringLiteral("Site Builder"));
    setCentralWidget(m_pages);
}

QAction* TMainFrm::addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void TMainFrm::buildMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("File1"));
    addItem(m_fileMenu, "Mnu_Settings", "&Settings");
    addItem(m_fileMenu, "Mnu_ViewReports", "&View Reports");
    m_fileMenu->addSeparator();
    addItem(m_fileMenu, "Mnu_UpdateData", "&Update Data Files");
    m_fileMenu->addSeparator();
    addItem(m_fileMenu, "Mnu_DefaultFtpScript", "Default FTP Script");
    QMenu* email = m_fileMenu->addMenu(QStringLiteral("Default Email Scripts"));
    email->setObjectName(QStringLiteral("Mnu_DefaultEmailScripts"));
    addItem(email, "Mnu_DefaultEmailNew", "New");
    addItem(email, "Mnu_DefaultEmailUpdate", "Update");
    m_fileMenu->addSeparator();
    connect(addItem(m_fileMenu, "exitpd", "E&xit"), &QAction::triggered, this, &QWidget::close);

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("Help2"));
    addItem(m_helpMenu, "Help1", "&Help");
    addItem(m_helpMenu, "ShipkitHomePage1", "Shipkit Home Page");
    addItem(m_helpMenu, "TallmarkHomePage1", "Tallmark Home Page");
    addItem(m_helpMenu, "About2", "&About")->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
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

void TMainFrm::FormShow() {
    m_session.settings = Settings::read(m_session.gwide().paths().ProgramDir);
    m_pages->setCurrentIndex(0);
    if (!m_session.apps().isEmpty())
        m_session.selectApp(0);
    m_session.CompanyUnsaved = false;
    m_session.AppUnsaved = false;
    m_session.EngineUnsaved = false;
    delete m_splash;
}

void TMainFrm::FormActivate() {
    if (!m_session.FirstActivationDone)
        m_session.FirstActivationDone = true;
}

void TMainFrm::ActivateMessage() {
    qCInfo(lcInstance) << "brought forward by a later start";
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}
