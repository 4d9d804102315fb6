#pragma once

#include <QApplication>

class Prompter;

// The program-wide error handler: an error no command caught is shown and the program goes on.
class ShipkitApplication : public QApplication {
    Q_OBJECT
public:
    ShipkitApplication(int& argc, char** argv);

    // Where uncaught errors are shown; a box titled "Shipkit" until one is set.
    void setErrorPrompter(Prompter* prompter) { m_prompter = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void showError(const QString& message);

    Prompter* m_prompter = nullptr;
};
