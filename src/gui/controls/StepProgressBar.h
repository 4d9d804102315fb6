#pragma once

#include <QProgressBar>

// The run's progress bar, drawn as a row of blocks. Positions outside the range are held at
// the nearest bound, and an empty range (nothing to post) shows an empty bar rather than
// the busy animation a plain progress bar would run forever.
class StepProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit StepProgressBar(QWidget* parent = nullptr);

    void setPosition(int position);
    // One step towards the maximum; a full bar stays full.
    void stepIt();
    // How much of the bar is filled, 0 to 1.
    qreal fraction() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
