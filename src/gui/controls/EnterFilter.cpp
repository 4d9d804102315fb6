#include "gui/controls/EnterFilter.h"

#include <QKeyEvent>
#include <QWidget>

void EnterFilter::install(QWidget* field) {
    field->installEventFilter(new EnterFilter(field));
}

bool EnterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Shift or Ctrl with Enter would still break the line, so every form is refused.
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}
