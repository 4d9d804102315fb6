#pragma once

#include <QWidget>

// A three-digit LED counter. It holds its value within its range: a value outside is shown
// as the nearest bound, so a count that outgrows the panel never breaks the run showing it.
class LedDigitPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int Largest = 999;

    explicit LedDigitPanel(QWidget* parent = nullptr);

    // Bounds are kept within what three digits can show; the value follows them.
    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int value() const { return m_value; }
    void setValue(int value);
    // The digits as shown, leading zeros included.
    QString text() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_minimum = 0;
    int m_maximum = Largest;
    int m_value = 0;
};
