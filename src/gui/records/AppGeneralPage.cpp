#include "gui/records/AppGeneralPage.h"

#include "commands/ApplicationCommands.h"
#include "gui/controls/CompactLayouts.h"
#include "gui/controls/KeyFilter.h"
#include "gui/records/AppCommandButtons.h"
#include "gui/records/AppFieldBinder.h"
#include "gui/shell/Guarded.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimer>

namespace {

QLineEdit* narrow(QLineEdit* field, int characters) {
    const QFontMetrics metrics(field->font());
    field->setFixedWidth(metrics.horizontalAdvance(QString(characters, u'0')) + 14);
    return field;
}

} // namespace

AppGeneralPage::AppGeneralPage(Session& session, ApplicationCommands& commands,
                               AppFieldBinder& binder, QWidget* parent)
    : QWidget(parent), m_session(session), m_commands(commands), m_binder(binder) {
    setObjectName(QStringLiteral("GeneralSheet"));
    setProperty("helpContext", 1001);
    auto* layout = CompactLayouts::column(this);
    auto* columns = CompactLayouts::row();
    columns->addLayout(buildNames(), 1);
    columns->addLayout(buildLists(), 1);
    layout->addLayout(columns);
    layout->addLayout(buildTerms());
    layout->addStretch();
    layout->addWidget(new AppCommandButtons(commands, 1, this));
}

QLayout* AppGeneralPage::buildNames() {
    auto* form = CompactLayouts::form();
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(QStringLiteral("Application Filename"),
                 m_binder.edit(QStringLiteral("FILENAME"), this, 16));
    m_char8name = m_binder.edit(QStringLiteral("8CHAR"), this, 8);
    connect(m_char8name, &QLineEdit::editingFinished, this,
            guarded(m_session.prompter(), std::bind_front(&AppGeneralPage::char8nameExit, this)));
    form->addRow(QStringLiteral("8 Character Name:"), m_char8name);
    form->addRow(QStringLiteral("Version"), m_binder.edit(QStringLiteral("VERSION"), this));
    form->addRow(QStringLiteral("Release Month:"), buildDate());
    m_ldatel = new QLabel(m_session.LongDate(), this);
    m_ldatel->setObjectName(QStringLiteral("ldatel"));
    connect(&m_session, &Session::longDateChanged, m_ldatel,
            [this] { m_ldatel->setText(m_session.LongDate()); });
    form->addRow(QString(), m_ldatel);
    QLineEdit* price = m_binder.edit(QStringLiteral("PRICE"), this);
    KeyFilter::refuseDollar(price);
    form->addRow(QStringLiteral("Price: $"), price);
    return form;
}

QWidget* AppGeneralPage::buildDate() {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    const auto add = [&](const char* key, const QString& caption) {
        QLineEdit* field = narrow(m_binder.edit(QLatin1String(key), box, 2), 2);
        KeyFilter::digitsOnly(field);
        // The long date follows the three fields when one of them is left.
        connect(field, &QLineEdit::editingFinished, &m_session, &Session::refreshLongDate);
        if (!caption.isEmpty())
            row->addWidget(new QLabel(caption, box));
        row->addWidget(field);
    };
    add("MONTH", QString());
    add("DAY", QStringLiteral("Day"));
    add("YEAR", QStringLiteral("Year"));
    row->addStretch();
    return box;
}

QLayout* AppGeneralPage::buildLists() {
    auto* form = CompactLayouts::form();
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(
        QStringLiteral("Platform(s)"),
        m_binder.selector(QStringLiteral("PLATFORM"),
                          {QStringLiteral("Windows 3.1"), QStringLiteral("Windows 95"),
                           QStringLiteral("Windows NT"), QStringLiteral("Windows 95 and NT")},
                          this));
    form->addRow(QStringLiteral("Submitted By:"),
                 m_binder.selector(QStringLiteral("DSTATUS"),
                                   {QStringLiteral("Author"), QStringLiteral("Distributor"),
                                    QStringLiteral("Dealer"), QStringLiteral("User")},
                                   this));
    form->addRow(
        QStringLiteral("Status"),
        m_binder.selector(QStringLiteral("STATUS"),
                          {QStringLiteral("Feature Limit Demo"), QStringLiteral("Time Limit Demo"),
                           QStringLiteral("Public Domain"), QStringLiteral("Freeware"),
                           QStringLiteral("Shareware"), QStringLiteral("Beta")},
                          this));
    form->addRow(QStringLiteral("Install/Uninstall"),
                 m_binder.selector(QStringLiteral("installer"),
                                   {QStringLiteral("No Install Feature"),
                                    QStringLiteral("Install Feature Only"),
                                    QStringLiteral("Uninstall Feature Only"),
                                    QStringLiteral("Install/Uninstall")},
                                   this));
    form->addRow(QStringLiteral("32 Bit File Size"), buildSizes("SIZE32", "INSTSIZE32"));
    form->addRow(QStringLiteral("16 Bit File Size"), buildSizes("SIZE16", "INSTSIZE16"));
    return form;
}

QWidget* AppGeneralPage::buildSizes(const char* key, const char* installedKey) {
    auto* box = new QWidget(this);
    auto* row = CompactLayouts::row(box);
    QLineEdit* size = m_binder.edit(QLatin1String(key), box);
    QLineEdit* installed = m_binder.edit(QLatin1String(installedKey), box);
    KeyFilter::digitsOnly(size);
    KeyFilter::digitsOnly(installed);
    size->setToolTip(QStringLiteral("Size of the archive in bytes"));
    installed->setToolTip(QStringLiteral("Size once installed, in bytes"));
    row->addWidget(size);
    row->addWidget(new QLabel(QStringLiteral("Installed"), box));
    row->addWidget(installed);
    return box;
}

QLayout* AppGeneralPage::buildTerms() {
    auto* grid = CompactLayouts::grid(nullptr, 0);
    grid->addWidget(new QLabel(QStringLiteral("Evaluation Period"), this), 0, 0);
    grid->addWidget(m_binder.edit(QStringLiteral("EVAL"), this), 0, 1, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Expiration Date (day-month-year):"), this), 1, 0);
    grid->addWidget(m_binder.edit(QStringLiteral("XDATE"), this), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Expires After:"), this), 1, 2);
    grid->addWidget(narrow(m_binder.edit(QStringLiteral("XDAYS"), this), 5), 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Days"), this), 1, 4);
    grid->setColumnStretch(1, 1);
    return grid;
}

void AppGeneralPage::char8nameExit() {
    // The refusal message takes the focus away, which must not start a second check.
    if (m_checkingChar8)
        return;
    m_checkingChar8 = true;
    const auto done = qScopeGuard([this] { m_checkingChar8 = false; });
    const bool accepted = m_commands.char8nameExit();
    m_binder.refreshKey(QStringLiteral("8CHAR"));
    if (!accepted)
        QTimer::singleShot(0, m_char8name, [field = m_char8name] { field->setFocus(); });
}
