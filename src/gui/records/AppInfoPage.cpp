#include "gui/records/AppInfoPage.h"

#include "commands/ApplicationCommands.h"

#include "gui/controls/CompactLayouts.h"
#include "gui/controls/KeyFilter.h"
#include "gui/records/AppDescriptionPage.h"
#include "gui/records/AppFieldBinder.h"
#include "gui/records/AppGeneralPage.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>

AppInfoPage::AppInfoPage(Session& session, ApplicationCommands& commands, QWidget* parent)
    : QWidget(parent), m_session(session), m_commands(commands),
      m_binder(new AppFieldBinder(session, this)) {
    setObjectName(QStringLiteral("AppInfoSheet"));
    auto* layout = CompactLayouts::column(this, 2);
    layout->addWidget(buildSelector());
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("AppInfoPages"));
    m_pages->addTab(new AppGeneralPage(session, commands, *m_binder, m_pages),
                    QStringLiteral("General"));
    m_locations = new AppLocationsPage(commands, *m_binder, m_pages);
    m_pages->addTab(m_locations, QStringLiteral("Locations"));
    m_pages->addTab(new AppDescriptionPage(commands, *m_binder, m_pages),
                    QStringLiteral("Description"));
    layout->addWidget(m_pages, 1);

    connect(&m_session, &Session::appListChanged, this,
            guarded(m_session.prompter(), std::bind_front(&AppInfoPage::refreshList, this)));
    connect(&m_session, &Session::appLoaded, this,
            guarded(m_session.prompter(), std::bind_front(&AppInfoPage::refreshFields, this)));
    refreshList();
    m_binder->refresh();
}

QWidget* AppInfoPage::buildSelector() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    m_appName = new QComboBox(box);
    m_appName->setObjectName(QStringLiteral("AppName"));
    m_appName->setEditable(false);
    KeyFilter::noTyping(m_appName);
    auto* caption = new QLabel(QStringLiteral("Application Name:"), box);
    caption->setBuddy(m_appName);
    row->addWidget(caption);
    row->addWidget(m_appName, 1);
    // Picking the entry already shown would reload it and drop unsaved edits.
    connect(m_appName, &QComboBox::activated, this,
            guarded(m_session.prompter(), [this](int index) {
                if (!m_commands.chooseApp(index))
                    refreshList();
            }));
    return box;
}

void AppInfoPage::setFileChooser(AppLocationsPage::FileChooser chooser) {
    m_locations->setFileChooser(std::move(chooser));
}

void AppInfoPage::refreshList() {
    const QSignalBlocker block(m_appName);
    m_appName->clear();
    m_appName->addItems(m_session.apps());
    m_appName->setCurrentIndex(m_session.appIndex());
}

void AppInfoPage::refreshFields() {
    {
        const QSignalBlocker block(m_appName);
        m_appName->setCurrentIndex(m_session.appIndex());
    }
    m_binder->refresh();
}
