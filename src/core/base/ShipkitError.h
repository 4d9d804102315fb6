#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a command and shown to the user by the program-wide handler.
class ShipkitError : public std::runtime_error {
public:
    explicit ShipkitError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }
    // The text of any exception, as a message or a log line shows it.
    static QString textOf(const std::exception& e) {
        const auto* own = dynamic_cast<const ShipkitError*>(&e);
        return own ? own->message() : QString::fromUtf8(e.what());
    }

private:
    QString m_message;
};
