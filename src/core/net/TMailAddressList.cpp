#include "net/TMailAddressList.h"

void TMailAddressList::add(const QString& address, const QString& name) {
    m_items.append(TMailAddress(address, name));
}

bool TMailAddressList::hasAddress() const {
    for (const TMailAddress& a : m_items)
        if (!a.Address().isEmpty())
            return true;
    return false;
}
