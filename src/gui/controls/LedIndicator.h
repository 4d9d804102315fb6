#pragma once

#include <QColor>
#include <QTimer>
#include <QWidget>

// A round indicator lamp. While blinking it is lit and dark in turn; stopping the blink leaves
// it lit, so a finished step reads at a glance.
class LedIndicator : public QWidget {
    Q_OBJECT
public:
    static constexpr int BlinkMs = 500;

    explicit LedIndicator(QWidget* parent = nullptr);

    void setColor(const QColor& color);
    void setLit(bool on);
    bool isLit() const { return m_lit; }
    void setBlinking(bool on);
    bool isBlinking() const { return m_blink.isActive(); }
    // Whether the lamp shows light at this moment: lit and not in the dark half of a blink.
    bool isShowingLight() const { return m_lit && !m_darkPhase; }

    QSize sizeHint() const override { return {16, 16}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void toggle();

    QColor m_color{0x00, 0xE0, 0x00};
    QTimer m_blink;
    bool m_lit = false;
    bool m_darkPhase = false;
};
