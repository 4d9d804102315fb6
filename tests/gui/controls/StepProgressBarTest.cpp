#include "gui/controls/StepProgressBar.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

int filledColumns(StepProgressBar& bar) {
    const QImage image = bar.grab().toImage();
    const int y = image.height() / 2;
    int filled = 0;
    for (int x = 0; x < image.width(); ++x)
        filled += image.pixel(x, y) == qRgb(0, 0, 0x80);
    return filled;
}

TEST(StepProgressBarTest, StepsOnePerSiteAndStopsWhenFull) {
    StepProgressBar bar;
    bar.setRange(0, 3);
    bar.setPosition(0);
    bar.stepIt();
    bar.stepIt();
    EXPECT_EQ(bar.value(), 2);
    bar.stepIt();
    bar.stepIt();
    EXPECT_EQ(bar.value(), 3);
    EXPECT_DOUBLE_EQ(bar.fraction(), 1.0);
}

TEST(StepProgressBarTest, PositionsOutsideTheRangeAreHeldAtTheNearestBound) {
    StepProgressBar bar;
    bar.setRange(0, 10);
    bar.setPosition(25);
    EXPECT_EQ(bar.value(), 10);
    bar.setPosition(-4);
    EXPECT_EQ(bar.value(), 0);
    bar.reset();
    bar.stepIt();
    EXPECT_EQ(bar.value(), 1);
}

TEST(StepProgressBarTest, AnEmptyRangeShowsAnEmptyBar) {
    StepProgressBar bar;
    bar.resize(200, 16);
    bar.setRange(0, 0);
    bar.setPosition(0);
    bar.stepIt();
    EXPECT_EQ(bar.fraction(), 0);
    EXPECT_EQ(filledColumns(bar), 0);
}

TEST(StepProgressBarTest, PaintsTheFilledShare) {
    StepProgressBar bar;
    bar.resize(204, 16);
    bar.setRange(0, 4);
    bar.setPosition(2);
    const int half = filledColumns(bar);
    bar.setPosition(4);
    const int full = filledColumns(bar);
    EXPECT_GT(half, 60);
    EXPECT_LT(half, 110);
    EXPECT_GT(full, 150);
}

} // namespace
