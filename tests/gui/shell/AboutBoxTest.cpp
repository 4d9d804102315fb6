#include "gui/shell/TAboutBox.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    TAboutBox box;

    void SetUp() override {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    template <typename T> T* find(const char* name) {
        T* w = box.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
};

TEST_F(AboutBoxTest, CaptionTextsAndPicture) {
    EXPECT_EQ(box.windowTitle(), "About Shipkit");
    auto* name = find<QLabel>("ProductName");
    EXPECT_EQ(name->text(), "Shipkit(tm)");
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(find<QLabel>("Version")->text(), "Version 2.04");
    EXPECT_FALSE(find<QLabel>("Comments")->text().isEmpty());
    const QImage image = find<QLabel>("ProgramIcon")->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 0;
    EXPECT_GT(painted, image.width() * image.height() / 4);
    EXPECT_EQ(find<QPushButton>("CloseAboutBtn")->text(), "Close About");
    EXPECT_EQ(find<QPushButton>("TallmarkWebBtn")->text(), "Tallmark Web");
    EXPECT_EQ(find<QPushButton>("EngineCheckBtn")->text(), "&D");
}

TEST_F(AboutBoxTest, CloseAboutClosesWithoutTheChecker) {
    click("CloseAboutBtn");
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.checkerRequested());
}

TEST_F(AboutBoxTest, EnterPressesCloseAbout) {
    EXPECT_TRUE(find<QPushButton>("CloseAboutBtn")->isDefault());
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.checkerRequested());
}

TEST_F(AboutBoxTest, EscapeCloses) {
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_FALSE(box.checkerRequested());
}

TEST_F(AboutBoxTest, TallmarkWebAsksForTheMakersPageAndStaysOpen) {
    QSignalSpy asked(&box, &TAboutBox::makerPageRequested);
    click("TallmarkWebBtn");
    EXPECT_EQ(asked.count(), 1);
    EXPECT_TRUE(box.isVisible());
    EXPECT_FALSE(box.checkerRequested());
}

TEST_F(AboutBoxTest, DClosesAndAsksForTheEngineChecker) {
    click("EngineCheckBtn");
    EXPECT_FALSE(box.isVisible());
    EXPECT_TRUE(box.checkerRequested());
}

// The mnemonic presses the button (its click follows from the button's own animation).
TEST_F(AboutBoxTest, AltDPressesTheCheckerButton) {
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    auto* checker = find<QPushButton>("EngineCheckBtn");
    EXPECT_EQ(checker->shortcut(), QKeySequence("Alt+D"));
    EXPECT_FALSE(checker->isDown());
    QTest::keyClick(box.windowHandle(), Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(checker->isDown());
}

} // namespace
