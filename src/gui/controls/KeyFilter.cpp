#include "gui/controls/KeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void KeyFilter::install(QWidget* field, Rule rule) {
    field->installEventFilter(new KeyFilter(rule, field));
}

bool KeyFilter::refuses(const QString& text, int key) const {
    switch (m_rule) {
    case Rule::NoTyping:
        return true;
    case Rule::NoSpace:
        return text == QLatin1String(" ");
    case Rule::NoDollar:
        return text == QLatin1String("$");
    case Rule::Digits:
        if (key == Qt::Key_Backspace || text.isEmpty())
            return false;
        return !(text.size() == 1 && text[0] >= u'0' && text[0] <= u'9');
    }
    return false;
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // Navigation and shortcuts pass; only keys that would type are judged.
    const bool types = !key->text().isEmpty() && key->text()[0].isPrint();
    if (m_rule != Rule::NoTyping && !types && key->key() != Qt::Key_Backspace)
        return false;
    if (m_rule == Rule::NoTyping && !types)
        return false;
    if (!refuses(key->text(), key->key()))
        return false;
    if (m_rule == Rule::Digits)
        QApplication::beep();
    return true;
}
