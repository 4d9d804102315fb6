#include "gui/controls/LedIndicator.h"

#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// The green of the lamp's middle pixel.
int centreGreen(LedIndicator& led) {
    const QImage image = led.grab().toImage();
    return qGreen(image.pixel(image.width() / 2, image.height() / 2));
}

struct LampCase {
    const char* name;
    std::function<void(LedIndicator&)> set;
    bool lit;
    bool blinking;
    bool light;
};

void PrintTo(const LampCase& c, std::ostream* os) {
    *os << c.name;
}

const LampCase kLampCases[] = {
    {"NewIsDark", [](LedIndicator&) {}, false, false, false},
    {"Lit", [](LedIndicator& l) { l.setLit(true); }, true, false, true},
    {"LitAndBlinkingStartsLight",
     [](LedIndicator& l) {
         l.setLit(true);
         l.setBlinking(true);
     },
     true, true, true},
    {"BlinkingButNotLitStaysDark", [](LedIndicator& l) { l.setBlinking(true); }, false, true,
     false},
    {"StoppedBlinkStaysLit",
     [](LedIndicator& l) {
         l.setLit(true);
         l.setBlinking(true);
         l.setBlinking(false);
     },
     true, false, true},
    {"SwitchedOff",
     [](LedIndicator& l) {
         l.setLit(true);
         l.setLit(false);
     },
     false, false, false},
};

class LedIndicatorLamp : public ::testing::TestWithParam<LampCase> {};

TEST_P(LedIndicatorLamp, ShowsItsState) {
    LedIndicator led;
    led.resize(led.sizeHint());
    const int dark = centreGreen(led);
    GetParam().set(led);
    EXPECT_EQ(led.isLit(), GetParam().lit);
    EXPECT_EQ(led.isBlinking(), GetParam().blinking);
    EXPECT_EQ(led.isShowingLight(), GetParam().light);
    if (GetParam().light)
        EXPECT_GT(centreGreen(led), dark + 80) << "painted brighter";
    else
        EXPECT_EQ(centreGreen(led), dark);
}

INSTANTIATE_TEST_SUITE_P(Controls, LedIndicatorLamp, ::testing::ValuesIn(kLampCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LedIndicatorTest, BlinkingAlternatesLightAndDarkOnItsTimer) {
    LedIndicator led;
    led.resize(led.sizeHint());
    led.setLit(true);
    led.setBlinking(true);
    const int light = centreGreen(led);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !led.isShowingLight(); }, 3000));
    EXPECT_LT(centreGreen(led), light - 80) << "the dark half is painted dark";
    ASSERT_TRUE(QTest::qWaitFor([&] { return led.isShowingLight(); }, 3000));
    EXPECT_EQ(centreGreen(led), light);
}

} // namespace
