#include "net/TMailAddress.h"

TMailAddress::TMailAddress(const QString& address, const QString& name) {
    setAddress(address);
    setName(name);
}

bool TMailAddress::isValid() const {
    for (const QChar c : m_address)
        if (c == u'\r' || c == u'\n' || c == u'<' || c == u'>')
            return false;
    return true;
}
