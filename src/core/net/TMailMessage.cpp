#include "net/TMailMessage.h"

#include "net/EMessageError.h"

namespace {

void checkAddress(const TMailAddress& address) {
    if (!address.isValid())
        throw EMessageError(QStringLiteral("Invalid address: ") + address.Address());
}

} // namespace

void TMailMessage::validate() const {
    if (m_sender.Address().isEmpty())
        throw EMessageError(QStringLiteral("The address of sender is required"));
    if (!m_recipients.hasAddress() && !m_cc.hasAddress() && !m_bcc.hasAddress())
        throw EMessageError(QStringLiteral("At least one Recipient, CC or BCC must be entered"));
    checkAddresses();
}

void TMailMessage::checkAddresses() const {
    checkAddress(m_sender);
    for (const TMailAddressList* list : {&m_recipients, &m_cc, &m_bcc})
        for (const TMailAddress& address : list->items())
            checkAddress(address);
}
