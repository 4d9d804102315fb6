#pragma once

#include "engines/SiteEngine.h"

#include <QObject>
#include <QString>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;
class Session;

// Makes the site builder's fields and keeps them and the current engine in step: an edit goes
// into the engine at once and marks it unsaved; a load by the program is shown without
// counting as an edit.
class SiteEngineBinder : public QObject {
    Q_OBJECT
public:
    enum class Memo { Cat1, Cat2, HttpNew, HttpUpdate, FtpNew, EmailNew, EmailUpdate };

    explicit SiteEngineBinder(Session& session, QObject* parent = nullptr);

    QLineEdit* edit(const QString& control, const QString& key, QWidget* parent);
    QCheckBox* check(const QString& control, const QString& key, const QString& caption,
                     QWidget* parent);
    // One choice of an integer key: checked when the key holds the value.
    QRadioButton* choice(const QString& control, const QString& key, int value,
                         const QString& caption, QWidget* parent);
    QRadioButton* addedText(const QString& control, SiteEngine::AddedText value,
                            const QString& caption, QWidget* parent);
    QPlainTextEdit* memo(const QString& control, Memo which, QWidget* parent);

    // A field that takes script variables: its right-click menu offers "Variable List".
    void acceptsVariables(QWidget* field);
    // The widgets that a "use" check box enables.
    void governs(QCheckBox* use, const std::vector<QWidget*>& widgets);

    SiteEngine& engine() const;
    // Counts as an edit of the engine.
    void markChanged();
    // Shows the engine again, all of it, and applies the enabling rules.
    void refresh();
    void refreshAddedText();
    void applyEnabling();

Q_SIGNALS:
    void variableListRequested(QWidget* field);

private:
    struct Field {
        QString key;
        QWidget* widget;
    };
    struct Group {
        QString key; // empty for the added-text choice
        QButtonGroup* buttons;
    };
    struct MemoField {
        Memo which;
        QPlainTextEdit* widget;
    };
    struct Rule {
        QCheckBox* use;
        std::vector<QWidget*> widgets;
    };

    QButtonGroup* groupFor(const QString& key);
    void show(const Field& field) const;
    void show(const Group& group) const;
    void show(const MemoField& field) const;

    Session& m_session;
    std::vector<Field> m_fields;
    std::vector<Group> m_groups;
    std::vector<MemoField> m_memos;
    std::vector<Rule> m_rules;
};
