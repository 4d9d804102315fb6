#include "support/MailStepView.h"

void MailStepView::setStatus(Method method, const QString& text) {
    if (method == Method::Email)
        mailStatus << text;
}

void MailStepView::setMailProgress(int, bool visible) {
    const QString state = visible ? QStringLiteral("shown") : QStringLiteral("hidden");
    if (progressStates.isEmpty() || progressStates.last() != state)
        progressStates << state;
}
