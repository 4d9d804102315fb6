#include "gui/scripts/TEngineCheckFrm.h"

#include "base/BusyCursor.h"
#include "engines/TEngBuild.h"
#include "gui/scripts/TMassChangeFrm.h"
#include "gui/shell/Guarded.h"
#include "records/ListFile.h"
#include "scripts/ExpansionContext.h"
#include "scripts/MassChange.h"
#include "scripts/ScriptChecker.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <exception>

namespace {

QPushButton* button(const char* text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

TEngineCheckFrm::TEngineCheckFrm(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_session(session), m_list(new QTreeWidget(this)), m_file(new QLineEdit(this)),
      m_stack(new QStackedWidget(this)), m_editor(new QPlainTextEdit(m_stack)),
      m_panel(new QLabel(QStringLiteral("Checking All Engines. Please Wait..."), m_stack)) {
    setObjectName(QStringLiteral("EngineCheckFrm"));
    setWindowTitle(QStringLiteral("Engine Checker"));
    setModal(true);
    m_list->setObjectName(QStringLiteral("ErrorList"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels(
        {QStringLiteral("Site"), QStringLiteral("Error"), QStringLiteral("Script File")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->resizeSection(0, 300);
    m_list->header()->resizeSection(1, 500);
    m_list->header()->resizeSection(2, 500);
    m_list->setEnabled(false);
    m_file->setObjectName(QStringLiteral("FileLine"));
    m_file->setReadOnly(true);
    m_editor->setObjectName(QStringLiteral("ScriptEditor"));
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_panel->setObjectName(QStringLiteral("WaitPanel"));
    m_panel->setAlignment(Qt::AlignCenter);
    m_stack->addWidget(m_editor);
    m_stack->addWidget(m_panel);
    buildButtons();
    connect(
        m_list, &QTreeWidget::itemDoubleClicked, this,
        guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::LoadSelectedClick, this)));
    resize(900, 600);
}

void TEngineCheckFrm::buildButtons() {
    m_load = button("Load Selected Script", "LoadSelectedBtn", this);
    m_save = button("Save Script", "SaveScriptBtn", this);
    m_massChange = button("Mass Change", "MassChangeBtn", this);
    m_begin = button("Begin Checking", "BeginCheckingBtn", this);
    m_exit = button("Exit", "ExitBtn", this);
    m_load->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_load, m_save, m_massChange, m_begin, m_exit})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 2);
    layout->addWidget(m_file);
    layout->addWidget(m_stack, 3);
    layout->addLayout(buttons);
    connect(
        m_load, &QPushButton::clicked, this,
        guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::LoadSelectedClick, this)));
    connect(
        m_save, &QPushButton::clicked, this,
        guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::SaveScriptClick, this)));
    connect(
        m_massChange, &QPushButton::clicked, this,
        guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::MassChangeClick, this)));
    connect(
        m_begin, &QPushButton::clicked, this,
        guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::BeginCheckingClick, this)));
    connect(m_exit, &QPushButton::clicked, this,
            guarded(m_session.prompter(), std::bind_front(&TEngineCheckFrm::ExitClick, this)));
}

QStringList TEngineCheckFrm::errorLines() const {
    QStringList lines;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        lines << EngineCheckEntry{item->text(0), item->text(1), item->text(2)}.line();
    }
    return lines;
}

QString TEngineCheckFrm::editedFile() const {
    return m_file->text();
}

QString TEngineCheckFrm::editorText() const {
    return m_editor->toPlainText();
}

void TEngineCheckFrm::setWorking(bool working) {
    m_begin->setEnabled(!working);
    m_exit->setEnabled(!working);
    m_list->setEnabled(!working);
    if (working)
        m_load->setEnabled(false);
    m_stack->setCurrentWidget(working ? static_cast<QWidget*>(m_panel) : m_editor);
    if (working)
        m_stack->repaint();
}

void TEngineCheckFrm::BeginCheckingClick() {
    setWorking(true);
    m_list->clear();
    m_editor->clear();
    std::vector<EngineCheckEntry> errors;
    {
        BusyCursor busy(m_session.prompter());
        const ExpansionContext context = m_session.expansionContext();
        errors = ScriptChecker(*m_session.gwide().engBuild(), context).checkEngines();
        for (const EngineCheckEntry& e : errors)
            m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{e.site, e.error, e.path}));
    }
    setWorking(false);
    if (errors.empty()) {
        m_session.prompter().message(QStringLiteral("No Errors found! :)"));
        return;
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_load->setEnabled(true);
    LoadSelectedClick();
}

void TEngineCheckFrm::loadFile(const QString& path) {
    m_file->setText(path);
    try {
        m_editor->setPlainText(ScriptChecker::loadScript(path));
    } catch (const std::exception& e) {
        m_session.prompter().handlerError(QString::fromUtf8(e.what()));
    }
}

void TEngineCheckFrm::LoadSelectedClick() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (m_list->topLevelItemCount() == 0 || !item)
        return;
    loadFile(item->text(2));
}

void TEngineCheckFrm::SaveScriptClick() {
    if (m_file->text().isEmpty())
        return;
    try {
        SaveList(splitLines(m_editor->toPlainText()), m_file->text());
    } catch (const std::exception& e) {
        m_session.prompter().handlerError(QString::fromUtf8(e.what()));
    }
}

bool TEngineCheckFrm::replaceAll(const QString& from, const QString& to) {
    m_stack->setCurrentWidget(m_panel);
    m_editor->clear();
    BusyCursor busy(m_session.prompter());
    try {
        const MassChange::Outcome outcome =
            MassChange::replaceAll(*m_session.gwide().engBuild(), from, to);
        if (!outcome.untouched.isEmpty())
            m_session.prompter().message(outcome.untouched.join(u'\n'));
    } catch (const std::exception& e) {
        m_stack->setCurrentWidget(m_editor);
        m_session.prompter().handlerError(QString::fromUtf8(e.what()));
        return false;
    }
    m_stack->setCurrentWidget(m_editor);
    return true;
}

void TEngineCheckFrm::MassChangeClick() {
    TMassChangeFrm dialog(this);
    bool replaced = false;
    dialog.onReplace = [&](const QString& from, const QString& to) {
        replaced = replaceAll(from, to);
    };
    dialog.exec();
    if (!replaced)
        return;
    m_session.prompter().message(QStringLiteral("Mass Change Done!"));
    BeginCheckingClick();
}

void TEngineCheckFrm::ExitClick() {
    m_exiting = true;
    accept();
}

void TEngineCheckFrm::closeEvent(QCloseEvent* event) {
    if (m_exiting)
        event->accept();
    else
        event->ignore();
}

void TEngineCheckFrm::reject() {
    // Escape and the window manager's close do nothing: only "Exit" closes the checker.
    if (m_exiting)
        QDialog::reject();
}
