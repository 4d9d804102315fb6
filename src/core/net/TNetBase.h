#pragma once

#include <QObject>
#include <QString>

// Error state shared by the network classes: the last error of an action, and whether an error
// raises or is only recorded.
class TNetBase : public QObject {
    Q_OBJECT
public:
    explicit TNetBase(QObject* parent = nullptr) : QObject(parent) {}

    int LastError() const { return m_lastError; }
    const QString& LastErrorText() const { return m_lastErrorText; }
    bool RaiseErrors() const { return m_raiseErrors; }
    void setRaiseErrors(bool raise) { m_raiseErrors = raise; }

Q_SIGNALS:
    // OnError: problems found outside the command flow; these never raise.
    void error(int number, const QString& description);

protected:
    void clearError();
    // Keeps the first error of an action: later ones are usually its consequences.
    void setError(int number, const QString& text = QString());
    // Ends an action: fills in a missing text from the socket table and raises, if asked to.
    void raiseIfError();
    // Raises at once, whatever RaiseErrors says (misuse of the component).
    [[noreturn]] void fail(int number, const QString& text);
    // The exception class of the concrete client.
    [[noreturn]] virtual void throwError(int number, const QString& text) const = 0;

private:
    int m_lastError = 0;
    QString m_lastErrorText;
    bool m_raiseErrors = true;
};
