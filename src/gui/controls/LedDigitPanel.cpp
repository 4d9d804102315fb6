#include "gui/controls/LedDigitPanel.h"

#include "gui/controls/SevenSegment.h"

#include <QPainter>

namespace {
const QColor kBackground(0x10, 0x10, 0x10);
const QColor kLit(0x30, 0xFF, 0x30);
const QColor kUnlit(0x18, 0x2C, 0x18);
} // namespace

LedDigitPanel::LedDigitPanel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LedDigitPanel::setRange(int minimum, int maximum) {
    m_minimum = qBound(0, minimum, Largest);
    m_maximum = qBound(m_minimum, maximum, Largest);
    setValue(m_value);
}

void LedDigitPanel::setValue(int value) {
    const int held = qBound(m_minimum, value, m_maximum);
    if (held == m_value)
        return;
    m_value = held;
    update();
    Q_EMIT valueChanged(m_value);
}

QString LedDigitPanel::text() const {
    return QStringLiteral("%1").arg(m_value, 3, 10, QLatin1Char('0'));
}

QSize LedDigitPanel::sizeHint() const {
    return {3 * 16 + 2 * 4 + 8, 32};
}

void LedDigitPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QString digits = text();
    const qreal pad = 4, gap = 4;
    const qreal w = (width() - 2 * pad - 2 * gap) / 3;
    for (int i = 0; i < 3; ++i) {
        const QRectF box(pad + i * (w + gap), pad, w, height() - 2 * pad);
        SevenSegment::paint(painter, box, digits.at(i).digitValue(), kLit, kUnlit);
    }
}
