#include "gui/submit/SubmitPage.h"
#include "SubmitPageFixture.h"
#include "gui/controls/LedDigitPanel.h"
#include "gui/controls/LedIndicator.h"
#include "gui/controls/StepProgressBar.h"
#include "gui/shell/ShipkitApp.h"
#include "gui/shell/TMainFrm.h"
#include "support/TempWorkspace.h"

#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <ostream>

namespace {

using Method = RunView::Method;
using Led = RunView::Led;
using Shown = QMap<QString, QString>;

// What a widget shows, as one short text, so a whole page compares as a table.
QString shown(const QWidget* w) {
    if (auto* led = qobject_cast<const LedIndicator*>(w))
        return led->isBlinking() ? "blinking" : led->isLit() ? "lit" : "off";
    if (auto* digits = qobject_cast<const LedDigitPanel*>(w))
        return digits->text();
    if (auto* steps = qobject_cast<const StepProgressBar*>(w))
        return QString("%1/%2").arg(steps->value()).arg(steps->maximum());
    if (auto* bar = qobject_cast<const QProgressBar*>(w))
        return bar->isHidden() ? "hidden" : QString("%1%").arg(bar->value());
    if (auto* list = qobject_cast<const QListWidget*>(w)) {
        QStringList lines;
        for (int i = 0; i < list->count(); ++i)
            lines << list->item(i)->text();
        return lines.join('|');
    }
    if (auto* button = qobject_cast<const QPushButton*>(w))
        return button->isEnabled() ? "enabled" : "disabled";
    if (auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return "?";
}

// Every control of the page as it is between runs.
Shown atRest() {
    return {{"currentsite", ""},
            {"httpstatus", "Idle"},
            {"ftpstatus", "Idle"},
            {"mailstatus", "Idle"},
            {"httpled", "off"},
            {"ftpled", "off"},
            {"mailled", "off"},
            {"SitesToPostdgt", "000"},
            {"SitesProcesseddgt", "000"},
            {"PostStatus", "0/0"},
            {"ProgressBar1", "hidden"},
            {"httpbytes", ""},
            {"ftplist", ""},
            {"log", ""},
            {"submitBtn", "enabled"},
            {"SkipBtn", "disabled"},
            {"CancelBtn", "disabled"},
            {"ViewReportsBtn", "enabled"},
            {"PrintLogBtn", "enabled"},
            {"exitb", "enabled"}};
}

struct FeedCase {
    const char* name;
    std::function<void(RunView&)> feed;
    Shown changed; // what differs from the page at rest
};

void PrintTo(const FeedCase& c, std::ostream* os) {
    *os << c.name;
}

const Shown kPostingButtons = {{"submitBtn", "disabled"},   {"SkipBtn", "enabled"},
                               {"CancelBtn", "enabled"},    {"ViewReportsBtn", "disabled"},
                               {"PrintLogBtn", "disabled"}, {"exitb", "disabled"}};

Shown merged(Shown a, const Shown& b) {
    a.insert(b);
    return a;
}

const FeedCase kFeedCases[] = {
    {"AtRest", [](RunView&) {}, {}},
    {"SiteBegins",
     [](RunView& v) {
         v.setCurrentSite("Cedar Downloads");
         for (Method m : {Method::Http, Method::Ftp, Method::Email}) {
             v.setStatus(m, "Idle");
             v.setLed(m, Led::Off);
         }
     },
     {{"currentsite", "Cedar Downloads"}}},
    {"FtpInProgressBlinks",
     [](RunView& v) {
         v.setLed(Method::Ftp, Led::Blinking);
         v.setStatus(Method::Ftp, "Connecting...");
     },
     {{"ftpled", "blinking"}, {"ftpstatus", "Connecting..."}}},
    {"FtpDoneStaysLitWhileHttpBlinks",
     [](RunView& v) {
         v.setLed(Method::Ftp, Led::Blinking);
         v.setLed(Method::Ftp, Led::Lit);
         v.setLed(Method::Http, Led::Blinking);
         v.setStatus(Method::Http, "Posting form");
     },
     {{"ftpled", "lit"}, {"httpled", "blinking"}, {"httpstatus", "Posting form"}}},
    {"MailBeingSentShowsItsProgress",
     [](RunView& v) {
         v.setLed(Method::Email, Led::Blinking);
         v.setStatus(Method::Email, "Sending");
         v.setMailProgress(45, true);
     },
     {{"mailled", "blinking"}, {"mailstatus", "Sending"}, {"ProgressBar1", "45%"}}},
    {"MailSentHidesItsProgress",
     [](RunView& v) {
         v.setMailProgress(45, true);
         v.setMailProgress(100, false);
         v.setLed(Method::Email, Led::Lit);
     },
     {{"mailled", "lit"}}},
    {"HttpBytes", [](RunView& v) { v.setHttpBytes(18734); }, {{"httpbytes", "18734"}}},
    {"HttpBytesEmptiedAfterTheTransfer",
     [](RunView& v) {
         v.setHttpBytes(18734);
         v.setHttpBytes(0);
     },
     {}},
    {"CountersAndProgress",
     [](RunView& v) {
         v.setCounters(3, 1);
         v.setProgress(1, 4);
     },
     {{"SitesToPostdgt", "003"}, {"SitesProcesseddgt", "001"}, {"PostStatus", "1/4"}}},
    {"CountersHeldWithin200",
     [](RunView& v) { v.setCounters(250, 201); },
     {{"SitesToPostdgt", "200"}, {"SitesProcesseddgt", "200"}}},
    {"FtpTranscriptInOrder",
     [](RunView& v) {
         v.AddFtpLog("220 ready");
         v.AddFtpLog("USER anonymous");
     },
     {{"ftplist", "220 ready|USER anonymous"}}},
    {"FtpTranscriptClearedForTheNextSite",
     [](RunView& v) {
         v.AddFtpLog("220 ready");
         v.clearFtpLog();
         v.AddFtpLog("221 Goodbye");
     },
     {{"ftplist", "221 Goodbye"}}},
    {"RunLogInOrder",
     [](RunView& v) {
         v.AddRunLog("Connected to 127.0.0.1");
         v.AddRunLog("SKIPPED -> Cedar Downloads");
     },
     {{"log", "Connected to 127.0.0.1|SKIPPED -> Cedar Downloads"}}},
    {"RunLogCleared",
     [](RunView& v) {
         v.AddRunLog("old run");
         v.clearRunLog();
     },
     {}},
    {"PostingLocksAllButSkipAndCancel", [](RunView& v) { v.setPosting(true); }, kPostingButtons},
    {"LeavingPostingZeroesTheCountersAndTheBar",
     [](RunView& v) {
         v.setPosting(true);
         v.setCounters(2, 3);
         v.setProgress(3, 5);
         v.setPosting(false);
     },
     {}},
    {"SiteEndsIdle",
     [](RunView& v) {
         v.setCurrentSite("Cedar Downloads");
         v.setLed(Method::Http, Led::Lit);
         v.setStatus(Method::Http, "Done");
         v.setCurrentSite("");
         v.setLed(Method::Http, Led::Off);
         v.setStatus(Method::Http, "Idle");
     },
     {}},
    {"MidRun",
     [](RunView& v) {
         v.setPosting(true);
         v.setCounters(4, 0);
         v.setProgress(0, 4);
         v.setCurrentSite("Upload Depot");
         v.setLed(Method::Ftp, Led::Lit);
         v.setLed(Method::Http, Led::Blinking);
         v.setCounters(3, 1);
         v.setProgress(1, 4);
     },
     merged(kPostingButtons, {{"currentsite", "Upload Depot"},
                              {"ftpled", "lit"},
                              {"httpled", "blinking"},
                              {"SitesToPostdgt", "003"},
                              {"SitesProcesseddgt", "001"},
                              {"PostStatus", "1/4"}})},
};

class SubmitPageFeed : public SubmitPageFixture, public ::testing::TestWithParam<FeedCase> {};

TEST_P(SubmitPageFeed, EveryControlShowsWhatTheRunSaid) {
    makePage();
    GetParam().feed(*page);
    const Shown expected = merged(atRest(), GetParam().changed);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(shown(find<QWidget>(it.key())), it.value()) << it.key().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Submit, SubmitPageFeed, ::testing::ValuesIn(kFeedCases),
                         [](const auto& info) { return std::string(info.param.name); });

class SubmitPageTest : public SubmitPageFixture, public ::testing::Test {
protected:
    void SetUp() override { makePage(); }
};

TEST_F(SubmitPageTest, ABlinkingLedTurnsDarkAndLitEveryHalfSecond) {
    auto* led = find<LedIndicator>("httpled");
    page->setLed(Method::Http, Led::Blinking);
    EXPECT_TRUE(led->isShowingLight());
    QTest::qWait(LedIndicator::BlinkMs / 4);
    EXPECT_TRUE(led->isShowingLight()) << "not before half a second";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !led->isShowingLight(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return led->isShowingLight(); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !led->isShowingLight(); }, 3000));
    page->setLed(Method::Http, Led::Lit);
    EXPECT_TRUE(led->isShowingLight()) << "a finished step is lit at once";
    QTest::qWait(LedIndicator::BlinkMs * 2);
    EXPECT_TRUE(led->isShowingLight()) << "and stays lit";
    page->setLed(Method::Http, Led::Off);
    EXPECT_FALSE(led->isShowingLight());
}

struct ListCase {
    const char* list;
    void (RunView::*add)(const QString&);
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.list;
}

class SubmitPageLists : public SubmitPageFixture, public ::testing::TestWithParam<ListCase> {};

TEST_P(SubmitPageLists, StayScrolledToTheirLastLine) {
    makePage();
    auto* list = find<QListWidget>(GetParam().list);
    QScrollBar* bar = list->verticalScrollBar();
    for (int i = 0; i < 100; ++i) {
        (page.get()->*GetParam().add)(QString("line %1").arg(i));
        ASSERT_EQ(bar->value(), bar->maximum()) << "after line " << i;
    }
    EXPECT_GT(bar->maximum(), 0) << "more lines than fit";
    EXPECT_EQ(list->count(), 100);
    bar->setValue(0); // the user looks back; the next line still brings the end into view
    (page.get()->*GetParam().add)("the last line");
    EXPECT_EQ(bar->value(), bar->maximum());
}

INSTANTIATE_TEST_SUITE_P(Submit, SubmitPageLists,
                         ::testing::Values(ListCase{"log", &RunView::AddRunLog},
                                           ListCase{"ftplist", &RunView::AddFtpLog}),
                         [](const auto& info) { return std::string(info.param.list); });

struct ButtonCase {
    const char* name;
    const char* button;
    void (SubmitPage::*signal)();
    bool posting;
    int emitted;
};

void PrintTo(const ButtonCase& c, std::ostream* os) {
    *os << c.name;
}

class SubmitPageButtons : public SubmitPageFixture, public ::testing::TestWithParam<ButtonCase> {};

TEST_P(SubmitPageButtons, ForwardTheirClicks) {
    makePage();
    const ButtonCase& c = GetParam();
    page->setPosting(c.posting);
    QSignalSpy spy(page.get(), c.signal);
    QSignalSpy others[] = {{page.get(), &SubmitPage::submitClicked},
                           {page.get(), &SubmitPage::skipClicked},
                           {page.get(), &SubmitPage::cancelClicked},
                           {page.get(), &SubmitPage::viewReportsClicked},
                           {page.get(), &SubmitPage::exitClicked}};
    QTest::mouseClick(find<QPushButton>(c.button), Qt::LeftButton);
    EXPECT_EQ(spy.count(), c.emitted);
    int all = 0;
    for (const QSignalSpy& s : others)
        all += s.count();
    EXPECT_EQ(all, c.emitted) << "no other button's signal";
}

const ButtonCase kButtonCases[] = {
    {"Submit", "submitBtn", &SubmitPage::submitClicked, false, 1},
    {"SubmitWhilePosting", "submitBtn", &SubmitPage::submitClicked, true, 0},
    {"Skip", "SkipBtn", &SubmitPage::skipClicked, true, 1},
    {"SkipWhenIdle", "SkipBtn", &SubmitPage::skipClicked, false, 0},
    {"Cancel", "CancelBtn", &SubmitPage::cancelClicked, true, 1},
    {"CancelWhenIdle", "CancelBtn", &SubmitPage::cancelClicked, false, 0},
    {"ViewReports", "ViewReportsBtn", &SubmitPage::viewReportsClicked, false, 1},
    {"ViewReportsWhilePosting", "ViewReportsBtn", &SubmitPage::viewReportsClicked, true, 0},
    {"Exit", "exitb", &SubmitPage::exitClicked, false, 1},
    {"ExitWhilePosting", "exitb", &SubmitPage::exitClicked, true, 0},
};

INSTANTIATE_TEST_SUITE_P(Submit, SubmitPageButtons, ::testing::ValuesIn(kButtonCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SubmitPageTest, PostingChangesAreAnnouncedForTheWindow) {
    QSignalSpy spy(page.get(), &SubmitPage::postingChanged);
    page->setPosting(true);
    page->setPosting(false);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    EXPECT_FALSE(spy.at(1).at(0).toBool());
}

TEST_F(SubmitPageTest, MailSettingsAnswerWhatTheSettingsDialogSaid) {
    for (bool answer : {true, false}) {
        settingsAnswer = answer;
        EXPECT_EQ(page->askMailSettings(), answer);
    }
    EXPECT_EQ(settingsOpened, 2);
}

TEST(SubmitPageInTheWindow, EveryControlFitsTheFixedWindow) {
    TempWorkspace ws;
    ScriptedPrompter prompter;
    ShipkitApp app(ws.dir(), &prompter);
    ASSERT_TRUE(app.start());
    TMainFrm* w = app.mainWindow();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    w->showPage(Session::Submit);
    SubmitPage* page = w->submitPage();
    page->setPosting(true); // the widest state: every status shown
    page->setMailProgress(50, true);
    QApplication::processEvents();
    EXPECT_LE(page->minimumSizeHint().width(), page->width());
    EXPECT_LE(page->minimumSizeHint().height(), page->height());
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (!child->isVisible() || child->objectName().isEmpty())
            continue;
        const QRect onPage(child->mapTo(page, QPoint(0, 0)), child->size());
        EXPECT_TRUE(page->rect().contains(onPage)) << child->objectName().toStdString();
    }
}

} // namespace
