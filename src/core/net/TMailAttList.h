#pragma once

#include "net/TMailAttItem.h"

#include <QList>

// The files attached to a message, in the order they were added.
class TMailAttList {
public:
    // Reads the file now; raises EMessageError when it cannot be read.
    void add(const QString& path);
    // Bytes made in memory, travelling under fileName (its extension gives the type).
    void add(const QString& fileName, const QByteArray& data);
    void clear() { m_items.clear(); }
    bool isEmpty() const { return m_items.isEmpty(); }
    const QList<TMailAttItem>& items() const { return m_items; }

private:
    QList<TMailAttItem> m_items;
};
