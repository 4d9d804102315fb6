#pragma once

#include <QWidget>

class AppFieldBinder;
class ApplicationCommands;

// The "Description" sub-page: short description, special requirements and the two memos.
class AppDescriptionPage : public QWidget {
    Q_OBJECT
public:
    AppDescriptionPage(ApplicationCommands& commands, AppFieldBinder& binder,
                       QWidget* parent = nullptr);
};
