#pragma once

#include <QDialog>

// The "ERROR" box: a maroon first line, a wrapped second line, a right-aligned instruction.
class TErrorForm : public QDialog {
    Q_OBJECT
public:
    TErrorForm(const QString& first, const QString& second, const QString& instruction,
               QWidget* parent = nullptr);
};
