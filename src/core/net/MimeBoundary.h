#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

// The line between the parts of a multipart message: eight digits from 0 to 8, drawn again
// until no part holds it, so no content can end its part early.
class MimeBoundary {
public:
    // Gives one digit from 0 to 8 per call.
    using DigitSource = std::function<int()>;

    MimeBoundary();
    explicit MimeBoundary(DigitSource digits);

    QByteArray draw(const QList<QByteArray>& parts) const;

private:
    QByteArray candidate() const;

    DigitSource m_digits;
};
