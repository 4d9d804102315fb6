#pragma once

#include "net/TMailAddress.h"

#include <QList>

// The recipients of one kind (To, CC or BCC), in the order they were added.
class TMailAddressList {
public:
    void add(const QString& address, const QString& name = QString());
    void clear() { m_items.clear(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    // True when some entry has a non-empty address.
    bool hasAddress() const;
    const QList<TMailAddress>& items() const { return m_items; }

private:
    QList<TMailAddress> m_items;
};
