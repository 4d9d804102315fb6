#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a command and shown to the user by the program-wide handler. The message
// is the text the user is shown; the reason, when known, says what the system reported.
class ShipkitError : public std::runtime_error {
public:
    explicit ShipkitError(const QString& message, const QString& reason = QString())
        : std::runtime_error(join(message, reason).toStdString()), m_message(message),
          m_reason(reason) {}
    const QString& message() const { return m_message; }
    const QString& reason() const { return m_reason; }
    // What the user reads: the message, then the reason, so a box never hides the cause.
    QString text() const { return join(m_message, m_reason); }
    // The text of any exception, as a message or a log line shows it.
    static QString textOf(const std::exception& e) {
        const auto* own = dynamic_cast<const ShipkitError*>(&e);
        return own ? own->text() : QString::fromUtf8(e.what());
    }

private:
    static QString join(const QString& message, const QString& reason) {
        return reason.isEmpty() ? message : message + QStringLiteral(": ") + reason;
    }

    QString m_message;
    QString m_reason;
};
