#include "net/MimeBoundary.h"

#include <QRandomGenerator>

MimeBoundary::MimeBoundary()
    : MimeBoundary([] { return static_cast<int>(QRandomGenerator::global()->bounded(9)); }) {}

MimeBoundary::MimeBoundary(DigitSource digits) : m_digits(std::move(digits)) {}

QByteArray MimeBoundary::candidate() const {
    QByteArray digits(8, '0');
    for (char& d : digits)
        d = static_cast<char>('0' + m_digits());
    return digits;
}

QByteArray MimeBoundary::draw(const QList<QByteArray>& parts) const {
    for (;;) {
        const QByteArray boundary = candidate();
        const QByteArray line = "--" + boundary;
        bool taken = false;
        for (const QByteArray& part : parts)
            taken = taken || part.contains(line);
        if (!taken)
            return boundary;
    }
}
