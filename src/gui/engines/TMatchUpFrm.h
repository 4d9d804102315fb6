#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class Session;
class SiteBuilderCommands;

// "Field Translations": how the current site words the application page's 18 fixed texts.
class TMatchUpFrm : public QDialog {
    Q_OBJECT
public:
    // Starts with the fixed texts in every box.
    explicit TMatchUpFrm(QWidget* parent = nullptr);

    void setValues(const std::vector<QString>& values);
    std::vector<QString> values() const;

    // Opens the dialog modally over the parent with the current site's values and, however it
    // is closed, hands the box texts to the commands. Returns at once; the dialog frees itself.
    static TMatchUpFrm* showFor(Session& session, SiteBuilderCommands& commands, QWidget* parent);

private:
    QWidget* buildGroup(const QString& title, int group);

    std::vector<QLineEdit*> m_edits;
};
