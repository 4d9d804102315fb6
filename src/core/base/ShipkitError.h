#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a command and shown to the user by the program-wide handler.
class ShipkitError : public std::runtime_error {
public:
    explicit ShipkitError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
