#include "gui/records/AppFieldBinder.h"

#include "gui/controls/KeyFilter.h"
#include "gui/shell/Guarded.h"
#include "records/ApplicationRecord.h"
#include "records/TIniFile.h"
#include "shell/Session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

QString controlOf(const QString& key) {
    for (const auto& k : ApplicationRecord::keys())
        if (k.name == key)
            return k.control;
    return key;
}

// The memo shows plain line breaks; the session keeps the CR LF of the text files.
QString toStored(QString shown) {
    return shown.replace(u'\n', QStringLiteral("\r\n"));
}

QString toShown(QString stored) {
    return stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

AppFieldBinder::AppFieldBinder(Session& session, QObject* parent)
    : QObject(parent), m_session(session) {}

QLineEdit* AppFieldBinder::edit(const QString& key, QWidget* parent, int maxLength) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(controlOf(key));
    // A longer value would be cut when the record file is read back.
    field->setMaxLength(maxLength > 0 ? maxLength : TIniFile::MaxValueLength);
    connect(field, &QLineEdit::textChanged, this,
            guarded(m_session.prompter(),
                    [this, key](const QString& text) { m_session.setAppValue(key, text); }));
    m_edits.push_back({key, field});
    return field;
}

QComboBox* AppFieldBinder::selector(const QString& key, const QStringList& values,
                                    QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(controlOf(key));
    box->setEditable(false);
    box->addItems(values);
    box->setCurrentIndex(-1);
    KeyFilter::noTyping(box);
    connect(box, &QComboBox::currentIndexChanged, this,
            guarded(m_session.prompter(), [this, key, box](int index) {
                m_session.setAppValue(key, index < 0 ? QString() : box->itemText(index));
            }));
    m_selectors.push_back({key, box, static_cast<int>(values.size())});
    return box;
}

QPlainTextEdit* AppFieldBinder::memo(Memo which, QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(which == Memo::LongDescription ? QStringLiteral("longdesc")
                                                        : QStringLiteral("NotesToReviewer"));
    field->setTabChangesFocus(true);
    KeyFilter::refuseDollar(field);
    connect(field, &QPlainTextEdit::textChanged, this,
            guarded(m_session.prompter(),
                    [this, which, field] { store(which, field->toPlainText()); }));
    m_memos.push_back({which, field});
    return field;
}

void AppFieldBinder::store(Memo which, const QString& shownText) {
    if (which == Memo::LongDescription)
        m_session.setLongDescription(toStored(shownText));
    else
        m_session.setNotes(toStored(shownText));
}

void AppFieldBinder::show(const EditField& field) const {
    const QString value = m_session.app().value(field.key);
    if (field.widget->text() == value)
        return; // keeps the cursor where the user left it
    const QSignalBlocker block(field.widget);
    field.widget->setText(value);
}

void AppFieldBinder::show(const SelectorField& field) const {
    QComboBox* box = field.widget;
    const QSignalBlocker block(box);
    // A stored value outside the list is shown as an extra entry, so it is saved back unchanged.
    while (box->count() > field.listSize)
        box->removeItem(box->count() - 1);
    const QString value = m_session.app().value(field.key);
    int index = box->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !value.isEmpty()) {
        box->addItem(value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

void AppFieldBinder::show(const MemoField& field) const {
    const QString& stored = field.which == Memo::LongDescription ? m_session.app().longDescription
                                                                 : m_session.app().notes;
    if (toStored(field.widget->toPlainText()) == stored)
        return; // keeps the cursor where the user left it
    const QSignalBlocker block(field.widget);
    field.widget->setPlainText(toShown(stored));
}

void AppFieldBinder::refresh() {
    for (const auto& f : m_edits)
        show(f);
    for (const auto& f : m_selectors)
        show(f);
    for (const auto& f : m_memos)
        show(f);
}

void AppFieldBinder::refreshKey(const QString& key) {
    for (const auto& f : m_edits)
        if (f.key == key)
            show(f);
    for (const auto& f : m_selectors)
        if (f.key == key)
            show(f);
}
