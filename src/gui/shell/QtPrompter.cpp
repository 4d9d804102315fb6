#include "gui/shell/QtPrompter.h"

#include "gui/shell/TErrorForm.h"
#include "gui/shell/TSiteEntryFrm.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

namespace {
const QString kTitle = QStringLiteral("Shipkit");
}

std::optional<QString> QtPrompter::askName(const QString& caption, const QString& text) {
    TSiteEntryFrm dialog(owner());
    dialog.setWindowTitle(caption);
    dialog.Edit1()->setText(text);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Edit1()->text();
}

Prompter::Answer QtPrompter::confirm(const QString& text, Buttons buttons) {
    auto choices = QMessageBox::Yes | QMessageBox::No;
    if (buttons == Buttons::YesNoCancel)
        choices |= QMessageBox::Cancel;
    switch (QMessageBox::question(owner(), QStringLiteral("Confirm"), text, choices)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

void QtPrompter::errorBox(const QString& first, const QString& second, const QString& instruction) {
    TErrorForm(first, second, instruction, owner()).exec();
}

void QtPrompter::errorDialog(const QString& text) {
    QMessageBox::critical(owner(), QStringLiteral("Error"), text);
}

void QtPrompter::message(const QString& text) {
    QMessageBox::information(owner(), kTitle, text);
}

void QtPrompter::handlerError(const QString& text) {
    QMessageBox::critical(owner(), kTitle, text);
}

QWidget* QtPrompter::owner() const {
    // A box raised from a dialog belongs to that dialog, or it would open behind it.
    QWidget* active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    return active ? active : m_parent;
}

void QtPrompter::beep(Sound) {
    QApplication::beep();
}

void QtPrompter::setBusy(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}
