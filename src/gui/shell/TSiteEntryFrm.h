#pragma once

#include <QDialog>

class QLineEdit;

// The small name dialog: one edit line, "Ok" and "Cancel"; the caller sets the caption.
class TSiteEntryFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSiteEntryFrm(QWidget* parent = nullptr);
    QLineEdit* Edit1() const { return m_edit; }

private:
    QLineEdit* m_edit;
};
