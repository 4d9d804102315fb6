#pragma once

#include <QWidget>

class ApplicationCommands;
class QPushButton;

// "New Application", "Delete Application" and "Save Application", as each sub-page shows them;
// the number tells the copies apart (NewAppBtn1, NewAppBtn2, ...).
class AppCommandButtons : public QWidget {
    Q_OBJECT
public:
    AppCommandButtons(ApplicationCommands& commands, int number, QWidget* parent = nullptr);

private:
    QPushButton* add(const char* name, const QString& caption, int number);
};
