#include "gui/shell/ShipkitApplication.h"

#include "base/Prompter.h"
#include "base/ShipkitError.h"

#include <QMessageBox>
#include <exception>

ShipkitApplication::ShipkitApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Shipkit"));
}

bool ShipkitApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const ShipkitError& e) {
        showError(e.text());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void ShipkitApplication::showError(const QString& message) {
    if (m_prompter)
        m_prompter->handlerError(message);
    else
        QMessageBox::critical(nullptr, QStringLiteral("Shipkit"), message);
}
