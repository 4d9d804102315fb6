#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// One digit of an LED display, drawn as seven bars.
class SevenSegment {
public:
    // Bit 0 is the top bar, then clockwise (top right, bottom right, bottom, bottom left,
    // top left) and bit 6 the middle bar.
    static int segments(int digit);
    // Unlit bars are drawn too, dimly, as on a real display.
    static void paint(QPainter& painter, const QRectF& box, int digit, const QColor& lit,
                      const QColor& unlit);

private:
    static QRectF bar(const QRectF& box, int index);
};
