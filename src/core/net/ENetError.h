#pragma once

#include "base/ShipkitError.h"

// A failed network action: "number: text", with the number kept for callers that branch on it.
class ENetError : public ShipkitError {
public:
    ENetError(int number, const QString& text)
        : ShipkitError(QString::number(number) + QStringLiteral(": ") + text), m_number(number),
          m_text(text) {}
    int number() const { return m_number; }
    const QString& text() const { return m_text; }

private:
    int m_number;
    QString m_text;
};
