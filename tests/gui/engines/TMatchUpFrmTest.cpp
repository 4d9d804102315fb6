#include "gui/engines/TMatchUpFrm.h"
#include "SiteBuilderFixture.h"
#include "engines/MatchUp.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

class TMatchUpFrmTest : public SiteBuilderFixture {
protected:
    // Opens the dialog the way the user does, from the "HTTP Post" page.
    TMatchUpFrm* openDialog() {
        showSubPage("HTTP Post");
        click(find<QPushButton>("EB_MatchUpFields"));
        auto* dialog = page->findChild<TMatchUpFrm*>();
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
        }
        return dialog;
    }

    QLineEdit* box(TMatchUpFrm* dialog, int entry) {
        return dialog->findChild<QLineEdit*>(MatchUp::entries()[entry].control);
    }

    std::vector<QString> fixedTexts() {
        std::vector<QString> texts;
        for (const auto& e : MatchUp::entries())
            texts.push_back(e.fixedText);
        return texts;
    }

    std::vector<QString> shownIn(TMatchUpFrm* dialog) {
        std::vector<QString> texts;
        for (size_t i = 0; i < MatchUp::entries().size(); ++i)
            texts.push_back(box(dialog, static_cast<int>(i))->text());
        return texts;
    }

    std::vector<QString> current() {
        std::vector<QString> values;
        for (const auto& e : MatchUp::entries())
            values.push_back(eng().current().text(e.key));
        return values;
    }

    void closeWithCloseBox(TMatchUpFrm* dialog) {
        QPointer<TMatchUpFrm> alive(dialog);
        dialog->close();
        EXPECT_FALSE(dialog->isVisible());
        // The dialog frees itself once the event loop gets to it.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(alive.isNull());
    }
};

TEST_F(TMatchUpFrmTest, EighteenLabelledBoxesAndOnlyOk) {
    page->enterPage();
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Field Translations");
    EXPECT_TRUE(dialog->isModal());
    QStringList labels;
    for (QLabel* l : dialog->findChildren<QLabel*>())
        labels << l->text();
    for (size_t i = 0; i < MatchUp::entries().size(); ++i) {
        ASSERT_NE(box(dialog, static_cast<int>(i)), nullptr) << i;
        EXPECT_TRUE(labels.contains(MatchUp::entries()[i].fixedText)) << i;
    }
    const auto buttons = dialog->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons.first()->text(), "&Ok");
    click(buttons.first());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TMatchUpFrmTest, OwnValuesShownWhenTheThreeWindowsValuesAreSet) {
    page->enterPage(); // Alpha words "Author" as "Writer"
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(box(dialog, 4)->text(), "Writer");
    box(dialog, 13)->setText("Preview");
    click(dialog->findChild<QPushButton*>());
    EXPECT_EQ(eng().current().text("MUF_Beta"), "Preview");
    EXPECT_EQ(eng().current().text("MUF_Author"), "Writer");
    EXPECT_TRUE(session.EngineUnsaved);
}

TEST_F(TMatchUpFrmTest, AnEmptyWindowsValueOpensFixedTextsAndTheCloseBoxStoresThem) {
    ws.write("sites/Gamma.ini", "[SETTINGS]\r\nMUF_WindowsNT=\r\nMUF_Author=Writer\r\n"
                                "MUF_Beta=Pre-release\r\n");
    pick(2);
    ASSERT_EQ(eng().current().text("MUF_WindowsNT"), "");
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(shownIn(dialog), fixedTexts());
    closeWithCloseBox(dialog);
    EXPECT_EQ(current(), fixedTexts()); // the other own values are written over too
    EXPECT_TRUE(session.EngineUnsaved);
}

TEST_F(TMatchUpFrmTest, TheCloseBoxKeepsEditsAsOkDoes) {
    page->enterPage();
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    box(dialog, 3)->clear();
    QTest::keyClicks(box(dialog, 3), "Win95/NT");
    box(dialog, 16)->clear();
    closeWithCloseBox(dialog);
    EXPECT_EQ(eng().current().text("MUF_Windows95NT"), "Win95/NT");
    EXPECT_EQ(eng().current().text("MUF_UnInstallFeatureOnly"), "");
    EXPECT_TRUE(session.EngineUnsaved);
}

TEST_F(TMatchUpFrmTest, ClosingUnchangedLeavesTheEngineUnmarked) {
    page->enterPage();
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const std::vector<QString> before = current();
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(current(), before);
    EXPECT_FALSE(session.EngineUnsaved);
}

TEST_F(TMatchUpFrmTest, ChangesAreLostWhenAnotherSiteIsPickedWithoutSaving) {
    page->enterPage();
    TMatchUpFrm* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    box(dialog, 5)->setText("Reseller");
    click(dialog->findChild<QPushButton*>());
    pick(1);
    pick(0);
    EXPECT_EQ(eng().current().text("MUF_Distributor"), "Distributor");
}

} // namespace
