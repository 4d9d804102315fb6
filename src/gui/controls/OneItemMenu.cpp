#include "gui/controls/OneItemMenu.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QWidget>

OneItemMenu::OneItemMenu(QWidget* target, const QString& caption, const QString& menuName,
                         Action action)
    : QObject(target), m_target(target), m_caption(caption), m_menuName(menuName),
      m_action(std::move(action)) {}

void OneItemMenu::attach(QWidget* target, const QString& caption, const QString& menuName,
                         Action action) {
    auto* menu = new OneItemMenu(target, caption, menuName, std::move(action));
    target->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(target, &QWidget::customContextMenuRequested, menu,
            [menu](const QPoint& at) { menu->show(at); });
}

QMenu* OneItemMenu::popup(QWidget* target, const QPoint& at) {
    auto* menu = target->findChild<OneItemMenu*>(QString(), Qt::FindDirectChildrenOnly);
    return menu ? menu->show(at) : nullptr;
}

QMenu* OneItemMenu::show(const QPoint& at) {
    auto* menu = new QMenu(m_target);
    menu->setObjectName(m_menuName);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QWidget* target = m_target;
    Action action = m_action;
    menu->addAction(m_caption, menu, [target, action] { action(target); });
    // A scroll area reports the click in its viewport's coordinates.
    auto* area = qobject_cast<QAbstractScrollArea*>(m_target);
    const QWidget* origin = area ? area->viewport() : m_target;
    menu->popup(origin->mapToGlobal(at));
    return menu;
}
