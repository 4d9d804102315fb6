#include "gui/controls/SevenSegment.h"

#include <QPainter>

int SevenSegment::segments(int digit) {
    static constexpr int kMasks[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    return digit >= 0 && digit <= 9 ? kMasks[digit] : 0;
}

QRectF SevenSegment::bar(const QRectF& box, int index) {
    const qreal t = qMax<qreal>(1.5, box.width() / 6.0); // bar thickness
    const qreal g = qMax<qreal>(1.0, t / 3);             // gap that keeps bars apart
    const qreal x0 = box.left(), x1 = box.right() - t;
    const qreal y0 = box.top(), ym = box.center().y() - t / 2, y1 = box.bottom() - t;
    const qreal across = box.width() - 2 * t - 2 * g, down = ym - y0 - t - 2 * g + t / 2;
    switch (index) {
    case 0:
        return {x0 + t + g, y0, across, t};
    case 1:
        return {x1, y0 + t / 2 + g, t, down};
    case 2:
        return {x1, ym + t / 2 + g, t, down};
    case 3:
        return {x0 + t + g, y1, across, t};
    case 4:
        return {x0, ym + t / 2 + g, t, down};
    case 5:
        return {x0, y0 + t / 2 + g, t, down};
    default:
        return {x0 + t + g, ym, across, t};
    }
}

void SevenSegment::paint(QPainter& painter, const QRectF& box, int digit, const QColor& lit,
                         const QColor& unlit) {
    const int mask = segments(digit);
    for (int i = 0; i < 7; ++i)
        painter.fillRect(bar(box, i), (mask >> i) & 1 ? lit : unlit);
}
