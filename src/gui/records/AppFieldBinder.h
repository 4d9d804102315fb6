#pragma once

#include <QObject>
#include <QStringList>
#include <vector>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class Session;

// Makes the application's fields and keeps them and the session in step: an edit goes into
// the session at once, and a load by the program is shown without counting as an edit.
class AppFieldBinder : public QObject {
    Q_OBJECT
public:
    enum class Memo { LongDescription, Notes };

    explicit AppFieldBinder(Session& session, QObject* parent = nullptr);

    // A line field named after the record key's control; 0 keeps the record file's limit.
    QLineEdit* edit(const QString& key, QWidget* parent, int maxLength = 0);
    // A fixed-list selector that cannot be typed into.
    QComboBox* selector(const QString& key, const QStringList& values, QWidget* parent);
    QPlainTextEdit* memo(Memo which, QWidget* parent);

    // Shows the session's values again, all of them or one key's.
    void refresh();
    void refreshKey(const QString& key);

private:
    struct EditField {
        QString key;
        QLineEdit* widget;
    };
    struct SelectorField {
        QString key;
        QComboBox* widget;
        int listSize;
    };
    struct MemoField {
        Memo which;
        QPlainTextEdit* widget;
    };

    void show(const EditField& field) const;
    void show(const SelectorField& field) const;
    void show(const MemoField& field) const;
    void store(Memo which, const QString& shownText);

    Session& m_session;
    std::vector<EditField> m_edits;
    std::vector<SelectorField> m_selectors;
    std::vector<MemoField> m_memos;
};
