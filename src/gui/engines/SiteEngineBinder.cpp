#include "gui/engines/SiteEngineBinder.h"

#include "engines/TEngBuild.h"
#include "gui/controls/OneItemMenu.h"
#include "gui/shell/Guarded.h"
#include "records/TIniFile.h"
#include "shell/Session.h"
#include "shell/TGWide.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

// The editors show plain line breaks; the engine keeps the CR LF of its files.
QString toStored(QString shown) {
    return shown.replace(u'\n', QStringLiteral("\r\n"));
}

QString toShown(QString stored) {
    return stored.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString& textOf(SiteEngine& engine, SiteEngineBinder::Memo which) {
    using Memo = SiteEngineBinder::Memo;
    switch (which) {
    case Memo::Cat1:
        return engine.cat1;
    case Memo::Cat2:
        return engine.cat2;
    case Memo::HttpNew:
        return engine.scripts[SiteEngine::HttpNew];
    case Memo::HttpUpdate:
        return engine.scripts[SiteEngine::HttpUpdate];
    case Memo::FtpNew:
        return engine.scripts[SiteEngine::FtpNew];
    case Memo::EmailNew:
        return engine.scripts[SiteEngine::EmailNew];
    case Memo::EmailUpdate:
        break;
    }
    return engine.scripts[SiteEngine::EmailUpdate];
}

// A group's buttons without the exclusive rule, so that none may be shown checked.
void checkOnly(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        const QSignalBlocker block(button);
        button->setChecked(group->id(button) == id);
    }
    group->setExclusive(true);
}

} // namespace

SiteEngineBinder::SiteEngineBinder(Session& session, QObject* parent)
    : QObject(parent), m_session(session) {}

SiteEngine& SiteEngineBinder::engine() const {
    return m_session.gwide().engBuild()->current();
}

void SiteEngineBinder::markChanged() {
    m_session.engineEdited();
}

QLineEdit* SiteEngineBinder::edit(const QString& control, const QString& key, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(control);
    // A longer value would be cut when the settings file is read back.
    field->setMaxLength(TIniFile::MaxValueLength);
    connect(field, &QLineEdit::textChanged, this,
            guarded(m_session.prompter(), [this, key](const QString& text) {
                engine().set(key, text);
                markChanged();
            }));
    m_fields.push_back({key, field});
    return field;
}

QCheckBox* SiteEngineBinder::check(const QString& control, const QString& key,
                                   const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(control);
    connect(box, &QCheckBox::toggled, this, guarded(m_session.prompter(), [this, key](bool on) {
                engine().setFlag(key, on);
                markChanged();
                applyEnabling();
            }));
    m_fields.push_back({key, box});
    return box;
}

QButtonGroup* SiteEngineBinder::groupFor(const QString& key) {
    for (const Group& g : m_groups)
        if (g.key == key)
            return g.buttons;
    auto* group = new QButtonGroup(this);
    m_groups.push_back({key, group});
    return group;
}

QRadioButton* SiteEngineBinder::choice(const QString& control, const QString& key, int value,
                                       const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(control);
    groupFor(key)->addButton(button, value);
    connect(button, &QRadioButton::toggled, this,
            guarded(m_session.prompter(), [this, key, value](bool on) {
                if (!on)
                    return;
                engine().set(key, QString::number(value));
                markChanged();
            }));
    return button;
}

QRadioButton* SiteEngineBinder::addedText(const QString& control, SiteEngine::AddedText value,
                                          const QString& caption, QWidget* parent) {
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(control);
    groupFor(QString())->addButton(button, static_cast<int>(value));
    connect(button, &QRadioButton::toggled, this,
            guarded(m_session.prompter(), [this, value](bool on) {
                if (!on)
                    return;
                engine().setAddedText(value);
                markChanged();
            }));
    return button;
}

QPlainTextEdit* SiteEngineBinder::memo(const QString& control, Memo which, QWidget* parent) {
    auto* field = new QPlainTextEdit(parent);
    field->setObjectName(control);
    field->setTabChangesFocus(true);
    connect(field, &QPlainTextEdit::textChanged, this,
            guarded(m_session.prompter(), [this, which, field] {
                textOf(engine(), which) = toStored(field->toPlainText());
                markChanged();
            }));
    m_memos.push_back({which, field});
    return field;
}

void SiteEngineBinder::acceptsVariables(QWidget* field) {
    OneItemMenu::attach(field, QStringLiteral("Variable List"), QStringLiteral("VariableMenu"),
                        [this](QWidget* target) { Q_EMIT variableListRequested(target); });
}

void SiteEngineBinder::governs(QCheckBox* use, const std::vector<QWidget*>& widgets) {
    m_rules.push_back({use, widgets});
}

void SiteEngineBinder::applyEnabling() {
    for (const Rule& rule : m_rules)
        for (QWidget* w : rule.widgets)
            w->setEnabled(rule.use->isChecked());
}

void SiteEngineBinder::show(const Field& field) const {
    if (auto* line = qobject_cast<QLineEdit*>(field.widget)) {
        const QString value = engine().text(field.key);
        if (line->text() == value)
            return; // keeps the cursor where the user left it
        const QSignalBlocker block(line);
        line->setText(value);
    } else if (auto* box = qobject_cast<QCheckBox*>(field.widget)) {
        const QSignalBlocker block(box);
        box->setChecked(engine().flag(field.key));
    }
}

void SiteEngineBinder::show(const Group& group) const {
    const int id =
        group.key.isEmpty() ? static_cast<int>(engine().addedText()) : engine().number(group.key);
    checkOnly(group.buttons, id);
}

void SiteEngineBinder::show(const MemoField& field) const {
    const QString& stored = textOf(engine(), field.which);
    if (toStored(field.widget->toPlainText()) == stored)
        return; // keeps the cursor where the user left it
    const QSignalBlocker block(field.widget);
    field.widget->setPlainText(toShown(stored));
}

void SiteEngineBinder::refresh() {
    for (const Field& f : m_fields)
        show(f);
    for (const Group& g : m_groups)
        show(g);
    for (const MemoField& f : m_memos)
        show(f);
    applyEnabling();
}

void SiteEngineBinder::refreshAddedText() {
    for (const Group& g : m_groups)
        if (g.key.isEmpty())
            show(g);
}
