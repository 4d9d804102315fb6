#pragma once

#include <QString>

// One mailbox: a display name (may be empty) and the address itself.
class TMailAddress {
public:
    static constexpr int MaxLength = 255;

    TMailAddress() = default;
    TMailAddress(const QString& address, const QString& name);

    const QString& Name() const { return m_name; }
    void setName(const QString& name) { m_name = name.left(MaxLength); }
    const QString& Address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address.left(MaxLength); }

    // An address that could break out of "<...>" or of its header line.
    bool isValid() const;

private:
    QString m_name;
    QString m_address;
};
