#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMenu;
class QPoint;
class QWidget;

// A right-click menu of one item on a widget. The menu pops up without blocking, so a test
// can find it (by its object name) and trigger the item.
class OneItemMenu : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QWidget*)>;

    static void attach(QWidget* target, const QString& caption, const QString& menuName,
                       Action action);
    // Pops the menu up at a point of the target, as a right click there does.
    static QMenu* popup(QWidget* target, const QPoint& at);

private:
    OneItemMenu(QWidget* target, const QString& caption, const QString& menuName, Action action);
    QMenu* show(const QPoint& at);

    QWidget* m_target;
    QString m_caption;
    QString m_menuName;
    Action m_action;
};
