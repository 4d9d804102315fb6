#pragma once

#include <QWidget>

class AppFieldBinder;
class ApplicationCommands;
class QLabel;
class QLayout;
class QLineEdit;
class Session;

// The "General" sub-page: names, version, release date, sizes, price and the fixed lists.
class AppGeneralPage : public QWidget {
    Q_OBJECT
public:
    AppGeneralPage(Session& session, ApplicationCommands& commands, AppFieldBinder& binder,
                   QWidget* parent = nullptr);

private:
    QLayout* buildNames();
    QLayout* buildLists();
    QLayout* buildTerms();
    QWidget* buildDate();
    QWidget* buildSizes(const char* key32, const char* key16);
    void char8nameExit();

    Session& m_session;
    ApplicationCommands& m_commands;
    AppFieldBinder& m_binder;
    QLineEdit* m_char8name = nullptr;
    QLabel* m_ldatel = nullptr;
    bool m_checkingChar8 = false;
};
