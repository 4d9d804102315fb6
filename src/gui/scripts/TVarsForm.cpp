#include "gui/scripts/TVarsForm.h"

#include "scripts/ScriptVariables.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

TVarsForm::TVarsForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_list(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("VarsForm"));
    setWindowTitle(QStringLiteral("SiteBuilder Variables"));
    buildList();
    auto* use = new QPushButton(QStringLiteral("Use Selected"), this);
    use->setObjectName(QStringLiteral("UseSelectedBtn"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(use);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    connect(use, &QPushButton::clicked, this, &TVarsForm::UseSelectedClick);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &TVarsForm::UseSelectedClick);
    resize(460, 420);
}

void TVarsForm::buildList() {
    m_list->setObjectName(QStringLiteral("VarListBox"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Variable"), QStringLiteral("Description")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    for (const QString& row : ScriptVariables::pickerRows())
        m_list->addTopLevelItem(new QTreeWidgetItem(row.split(u'|')));
    m_list->header()->resizeSection(0, 150);
    m_list->installEventFilter(this);
}

void TVarsForm::trackFocusIn(QWidget* window) {
    m_window = window;
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && m_window && now->window() == m_window && acceptsVariables(now))
            m_target = now;
    });
    // The field that already has the focus counts too: no change of focus may follow.
    if (QWidget* focused = window ? window->focusWidget() : nullptr; acceptsVariables(focused))
        m_target = focused;
}

void TVarsForm::setTarget(QWidget* target) {
    m_target = target;
}

void TVarsForm::showFor(QWidget* target) {
    if (target)
        m_target = target;
    show();
    raise();
    activateWindow();
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    m_list->setFocus();
}

QString TVarsForm::selectedVariable() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    return item ? item->text(0) : QString();
}

bool TVarsForm::acceptsVariables(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

bool TVarsForm::insertInto(QWidget* target) {
    const QString variable = selectedVariable();
    if (variable.isEmpty() || !target)
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(target))
        line->insert(variable); // replaces the selection, or goes in at the caret
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(target))
        plain->insertPlainText(variable);
    else if (auto* rich = qobject_cast<QTextEdit*>(target))
        rich->insertPlainText(variable);
    else
        return false;
    target->activateWindow();
    target->setFocus();
    return true;
}

void TVarsForm::UseSelectedClick() {
    insertInto(m_target);
}

bool TVarsForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            UseSelectedClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
