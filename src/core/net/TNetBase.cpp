#include "net/TNetBase.h"

#include "net/SocketErrors.h"

void TNetBase::clearError() {
    m_lastError = 0;
    m_lastErrorText.clear();
}

void TNetBase::setError(int number, const QString& text) {
    if (m_lastError != 0 || number == 0)
        return;
    m_lastError = number;
    m_lastErrorText = text;
}

void TNetBase::raiseIfError() {
    if (m_lastError == 0)
        return;
    if (m_lastErrorText.isEmpty())
        m_lastErrorText = SocketErrors::text(m_lastError);
    if (m_raiseErrors)
        throwError(m_lastError, m_lastErrorText);
}

void TNetBase::fail(int number, const QString& text) {
    m_lastError = number;
    m_lastErrorText = text;
    throwError(number, text);
    Q_UNREACHABLE();
}
