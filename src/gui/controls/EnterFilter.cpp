#include "gui/controls/EnterFilter.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

// Pasted or dropped text may bring line breaks the keys never could: they become spaces.
void keepOneLine(QPlainTextEdit* editor) {
    QString text = editor->toPlainText();
    if (!text.contains(u'\n'))
        return;
    const int position = editor->textCursor().position();
    editor->setPlainText(text.replace(u'\n', u' '));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(text.size())));
    editor->setTextCursor(cursor);
}

} // namespace

void EnterFilter::install(QWidget* field) {
    auto* filter = new EnterFilter(field);
    field->installEventFilter(filter);
    if (auto* editor = qobject_cast<QPlainTextEdit*>(field))
        connect(editor, &QPlainTextEdit::textChanged, filter, [editor] { keepOneLine(editor); });
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
