#include "gui/controls/LedIndicator.h"

#include <QPainter>
#include <QRadialGradient>

LedIndicator::LedIndicator(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_blink.setInterval(BlinkMs);
    connect(&m_blink, &QTimer::timeout, this, &LedIndicator::toggle);
}

void LedIndicator::setColor(const QColor& color) {
    m_color = color;
    update();
}

void LedIndicator::setLit(bool on) {
    m_lit = on;
    update();
}

void LedIndicator::setBlinking(bool on) {
    m_darkPhase = false;
    if (on)
        m_blink.start();
    else
        m_blink.stop();
    update();
}

void LedIndicator::toggle() {
    m_darkPhase = !m_darkPhase;
    update();
}

void LedIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height()) - 2;
    const QRectF lamp((width() - side) / 2, (height() - side) / 2, side, side);
    const QColor face = isShowingLight() ? m_color : m_color.darker(400);
    QRadialGradient shine(lamp.center() - QPointF(side / 5, side / 5), side / 1.5);
    shine.setColorAt(0, face.lighter(170));
    shine.setColorAt(1, face);
    painter.setBrush(shine);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.drawEllipse(lamp);
}
