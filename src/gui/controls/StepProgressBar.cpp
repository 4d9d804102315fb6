#include "gui/controls/StepProgressBar.h"

#include <QPainter>
#include <cmath>

namespace {
const QColor kBlock(0x00, 0x00, 0x80);
constexpr int kBlockWidth = 8;
constexpr int kBlockGap = 2;
} // namespace

StepProgressBar::StepProgressBar(QWidget* parent) : QProgressBar(parent) {
    setTextVisible(false);
    setValue(0);
}

void StepProgressBar::setPosition(int position) {
    setValue(qBound(minimum(), position, maximum()));
}

void StepProgressBar::stepIt() {
    setPosition(value() < minimum() ? minimum() + 1 : value() + 1);
}

qreal StepProgressBar::fraction() const {
    if (maximum() <= minimum() || value() <= minimum())
        return 0;
    return qreal(value() - minimum()) / (maximum() - minimum());
}

void StepProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    const int filled = int(std::lround(inside.width() * fraction()));
    for (int x = 0; x < filled; x += kBlockWidth + kBlockGap) {
        const int w = qMin(kBlockWidth, filled - x);
        painter.fillRect(QRect(inside.left() + x, inside.top(), w, inside.height()), kBlock);
    }
}
