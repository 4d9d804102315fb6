#pragma once

#include <QPointer>
#include <QWidget>

class QTreeWidget;

// The variable picker: a tool window over the main window that inserts the chosen
// variable into the edit box or editor that last had the focus.
class TVarsForm : public QWidget {
    Q_OBJECT
public:
    explicit TVarsForm(QWidget* parent = nullptr);

    // Follows the focus inside that window, so the last focused edit box or editor is
    // where a variable goes.
    void trackFocusIn(QWidget* window);
    void setTarget(QWidget* target);
    QWidget* target() const { return m_target; }
    // Shows the picker, or brings it to the front, with the first row selected.
    void showFor(QWidget* target);
    // The selected row's variable ("%NAME%"); empty when none is selected.
    QString selectedVariable() const;
    // Replaces the target's selection with the selected variable and gives it the focus.
    bool insertInto(QWidget* target);

    static bool acceptsVariables(const QWidget* widget);

public Q_SLOTS:
    void UseSelectedClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildList();

    QTreeWidget* m_list;
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_window;
};
