#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/SevenSegment.h"

#include <QImage>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

int litPixels(LedDigitPanel& panel) {
    const QImage image = panel.grab().toImage();
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += qGreen(image.pixel(x, y)) > 0xC0 && qRed(image.pixel(x, y)) < 0x80;
    return lit;
}

TEST(LedDigitPanelTest, ShowsThreeDigitsWithLeadingZeros) {
    LedDigitPanel panel;
    EXPECT_EQ(panel.value(), 0);
    EXPECT_EQ(panel.text(), "000");
    panel.setValue(7);
    EXPECT_EQ(panel.text(), "007");
    panel.setValue(123);
    EXPECT_EQ(panel.text(), "123");
}

TEST(LedDigitPanelTest, ValuesOutsideTheRangeShowTheNearestBound) {
    LedDigitPanel panel;
    panel.setRange(0, 200);
    panel.setValue(250);
    EXPECT_EQ(panel.value(), 200);
    panel.setValue(-1);
    EXPECT_EQ(panel.value(), 0);
    panel.setValue(200);
    EXPECT_EQ(panel.text(), "200");
}

TEST(LedDigitPanelTest, TheRangeStaysWithinThreeDigitsAndTheValueFollowsIt) {
    LedDigitPanel panel;
    panel.setRange(-5, 5000);
    EXPECT_EQ(panel.minimum(), 0);
    EXPECT_EQ(panel.maximum(), 999);
    panel.setValue(150);
    panel.setRange(0, 100);
    EXPECT_EQ(panel.value(), 100);
    panel.setRange(20, 10);
    EXPECT_EQ(panel.minimum(), 20);
    EXPECT_EQ(panel.maximum(), 20);
    EXPECT_EQ(panel.value(), 20);
}

TEST(LedDigitPanelTest, ValueChangedOnlyWhenTheShownValueChanges) {
    LedDigitPanel panel;
    panel.setRange(0, 200);
    QSignalSpy spy(&panel, &LedDigitPanel::valueChanged);
    panel.setValue(5);
    panel.setValue(5);
    panel.setValue(300);
    panel.setValue(400);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 200);
}

TEST(LedDigitPanelTest, SegmentsOfEachDigit) {
    EXPECT_EQ(SevenSegment::segments(8), 0x7F);
    EXPECT_EQ(SevenSegment::segments(1), 0x06);
    EXPECT_EQ(SevenSegment::segments(0), 0x3F); // every bar but the middle one
    EXPECT_EQ(SevenSegment::segments(7), 0x07);
    EXPECT_EQ(SevenSegment::segments(-1), 0);
}

TEST(LedDigitPanelTest, PaintsLitBarsForTheValue) {
    LedDigitPanel panel;
    panel.resize(panel.sizeHint());
    const int ones = (panel.setValue(111), litPixels(panel));
    const int eights = (panel.setValue(888), litPixels(panel));
    EXPECT_GT(ones, 0);
    EXPECT_GT(eights, 2 * ones);
}

} // namespace
