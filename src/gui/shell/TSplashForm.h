#pragma once

#include <QWidget>

// The borderless start-up window, shown at least 300 ms while the workspace loads.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinimumMs = 300;

    explicit TSplashForm(QWidget* parent = nullptr);
    bool SplashShowing() const { return m_showing; }
    // Processes window messages until the timer has run out.
    void waitForMinimum();

private:
    bool m_showing = true;
};
