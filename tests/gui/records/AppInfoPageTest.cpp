#include "gui/records/AppInfoPage.h"
#include "base/Clock.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "records/ApplicationRecord.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const kDigitFields[] = {"bytesize32", "instsize32", "bytesize16", "instsize16",
                                    "day",        "month",      "year"};
const char* const kSpacelessFields[] = {"appurl", "dl1_32",     "dl2_32",     "dl3_32",
                                        "dl4_32", "dl1_16",     "dl2_16",     "dl3_16",
                                        "dl4_16", "screenshot", "URLGifEdit", "URLIcoEdit"};
const char* const kSelectors[] = {"AppName", "platforms", "status", "installer", "diststatus"};

class AppInfoPageTest : public ::testing::Test, protected SessionFixture {
protected:
    CompanyCommands companies{session};
    ApplicationCommands commands{session, companies};
    std::unique_ptr<AppInfoPage> page;

    void SetUp() override {
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\nOther\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nFILENAME=tool.zip\r\nVERSION=2.1\r\nDAY=4\r\n"
                                  "MONTH=07\r\nYEAR=98\r\nPLATFORM=Windows 95\r\n"
                                  "installer=Setup Wizard\r\nSPECREQ=4 MB\r\n");
        ws.write("data/Tool.lds", "Line one\r\nLine two\r\n");
        ws.write("data/Other.dat", "[APPINFO]\r\nVERSION=3.0\r\nSTATUS=Freeware\r\n");
        ASSERT_TRUE(session.LoadWorkspace());
        session.AppUnsaved = false;
        page = std::make_unique<AppInfoPage>(session, commands);
        page->resize(592, 378);
        page->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(page.get()));
    }

    template <typename T> T* find(const QString& name) {
        T* w = page->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }

    // Types into a field from empty, as the user would.
    QString typed(QWidget* field, const QString& keys) {
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->clear();
        QTest::keyClicks(field, keys);
        if (auto* line = qobject_cast<QLineEdit*>(field))
            return line->text();
        return qobject_cast<QPlainTextEdit*>(field)->toPlainText();
    }

    void showSubPage(const QString& caption) {
        QTabWidget* tabs = page->subPages();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == caption)
                tabs->setCurrentIndex(i);
    }

    // Leaves a field the way the user does: Tab to the next one.
    void focusAndActivate(QWidget* field) {
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        field->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(field->hasFocus());
    }

    QStringList labelTexts() {
        QStringList texts;
        for (QLabel* l : page->findChildren<QLabel*>())
            texts << l->text();
        return texts;
    }
};

TEST_F(AppInfoPageTest, SubPagesAndEveryFieldByName) {
    QTabWidget* tabs = page->subPages();
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(1), "Locations");
    EXPECT_EQ(tabs->tabText(2), "Description");
    for (const auto& key : ApplicationRecord::keys()) {
        QWidget* w = page->findChild<QWidget*>(key.control);
        ASSERT_NE(w, nullptr) << key.control.toStdString();
        EXPECT_TRUE(qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w))
            << key.control.toStdString();
    }
    find<QPlainTextEdit>("longdesc");
    find<QPlainTextEdit>("NotesToReviewer");
    find<QLabel>("ldatel");
}

TEST_F(AppInfoPageTest, CaptionsAreShown) {
    const QStringList texts = labelTexts();
    for (const char* caption :
         {"Application Filename",
          "Application Name:",
          "8 Character Name:",
          "Version",
          "Day",
          "Release Month:",
          "Year",
          "Platform(s)",
          "Submitted By:",
          "32 Bit File Size",
          "16 Bit File Size",
          "Price: $",
          "Status",
          "Evaluation Period",
          "Expiration Date (day-month-year):",
          "Expires After:",
          "Days",
          "Install/Uninstall",
          "Application Info URL",
          "URL#1:",
          "URL#4:",
          "URL Location of ScreenShot",
          "URL Location of .GIF Icon",
          "URL Location of .ICO Icon",
          "Full Local Path to File Archive",
          ".Ico Icon:",
          "Gif Icon:",
          "Screen Shot:",
          "Other File:",
          "Short Description:",
          "Special Requirements:",
          "Long Description",
          "Notes to reviewer if applicable.  (Reg code offer, Version Update Changes, etc.)"})
        EXPECT_TRUE(texts.contains(caption)) << caption;
}

TEST_F(AppInfoPageTest, LengthLimits) {
    EXPECT_EQ(typed(edit("filename"), "abcdefghijklmnopqrst"), "abcdefghijklmnop");
    EXPECT_EQ(typed(edit("char8name"), "abcdefghij"), "abcdefgh");
    EXPECT_EQ(typed(edit("day"), "1234"), "12");
    EXPECT_EQ(typed(edit("month"), "1234"), "12");
    EXPECT_EQ(typed(edit("year"), "1234"), "12");
    EXPECT_EQ(typed(edit("shortdesc"), QString(50, u'x')), QString(46, u'x'));
    // Fields without a rule of their own stop where the record file would cut the value.
    EXPECT_EQ(edit("version")->maxLength(), 1023);
    EXPECT_EQ(edit("dl1_32")->maxLength(), 1023);
}

TEST_F(AppInfoPageTest, DigitFieldsTakeOnlyDigitsAndBackspace) {
    for (const char* name : kDigitFields) {
        QLineEdit* field = edit(name);
        EXPECT_EQ(typed(field, "1a-"), "1") << name;
        QTest::keyClicks(field, " 2$");
        EXPECT_EQ(field->text(), "12") << name;
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), "1") << name;
    }
    // A field without the rule takes letters, so the refusal above is the filter's doing.
    EXPECT_EQ(typed(edit("version"), "1a"), "1a");
}

TEST_F(AppInfoPageTest, SelectorsCannotBeTypedInto) {
    auto* appName = find<QComboBox>("AppName");
    ASSERT_EQ(appName->currentText(), "Tool");
    QTest::keyClicks(appName, "Other");
    EXPECT_EQ(appName->currentText(), "Tool");
    EXPECT_EQ(session.appText(), "Tool");
    const std::pair<const char*, const char*> lists[] = {{"platforms", "Windows NT"},
                                                         {"status", "Shareware"},
                                                         {"installer", "No"},
                                                         {"diststatus", "Dealer"}};
    for (const auto& [name, keys] : lists) {
        auto* box = find<QComboBox>(name);
        const QString before = box->currentText();
        QTest::keyClicks(box, keys);
        EXPECT_EQ(box->currentText(), before) << name;
    }
    for (const char* name : kSelectors)
        EXPECT_FALSE(find<QComboBox>(name)->isEditable()) << name;
    EXPECT_FALSE(session.AppUnsaved);
}

TEST_F(AppInfoPageTest, FixedListValuesInOrder) {
    const auto items = [&](const char* name) {
        QStringList texts;
        auto* box = find<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    session.setAppValue("installer", "");
    Q_EMIT session.appLoaded();
    EXPECT_EQ(items("platforms"),
              (QStringList{"Windows 3.1", "Windows 95", "Windows NT", "Windows 95 and NT"}));
    EXPECT_EQ(items("diststatus"), (QStringList{"Author", "Distributor", "Dealer", "User"}));
    EXPECT_EQ(items("status"), (QStringList{"Feature Limit Demo", "Time Limit Demo",
                                            "Public Domain", "Freeware", "Shareware", "Beta"}));
    EXPECT_EQ(items("installer"), (QStringList{"No Install Feature", "Install Feature Only",
                                               "Uninstall Feature Only", "Install/Uninstall"}));
}

TEST_F(AppInfoPageTest, SpaceRefusedInAddresses) {
    for (const char* name : kSpacelessFields)
        EXPECT_EQ(typed(edit(name), "a b c"), "abc") << name;
    EXPECT_EQ(typed(edit("eval"), "30 days"), "30 days");
}

TEST_F(AppInfoPageTest, DollarRefusedInDescriptionsAndPrice) {
    EXPECT_EQ(typed(edit("price"), "$19.95$"), "19.95");
    EXPECT_EQ(typed(edit("shortdesc"), "Costs $5"), "Costs 5");
    for (const char* memo : {"longdesc", "NotesToReviewer"}) {
        auto* field = find<QPlainTextEdit>(memo);
        field->clear();
        EXPECT_EQ(typed(field, "only $9 now"), "only 9 now") << memo;
    }
    EXPECT_EQ(typed(edit("version"), "$1"), "$1");
}

TEST_F(AppInfoPageTest, LoadedApplicationIsShownWithoutBeingUnsaved) {
    EXPECT_EQ(find<QComboBox>("AppName")->currentText(), "Tool");
    EXPECT_EQ(edit("filename")->text(), "tool.zip");
    EXPECT_EQ(edit("version")->text(), "2.1");
    EXPECT_EQ(find<QComboBox>("platforms")->currentText(), "Windows 95");
    EXPECT_EQ(find<QComboBox>("status")->currentIndex(), -1);
    EXPECT_EQ(edit("specreq")->text(), "4 MB");
    EXPECT_EQ(find<QPlainTextEdit>("longdesc")->toPlainText(), "Line one\nLine two");
    EXPECT_EQ(find<QLabel>("ldatel")->text(), "4-Jul-1998");
    EXPECT_FALSE(session.AppUnsaved);

    // Values the program sets are shown again without counting as edits.
    session.setAppValue("VERSION", "9.9");
    session.setAppValue("STATUS", "Beta");
    session.setAppValue("installer", "Odd Value");
    session.setLongDescription("First\r\nSecond");
    session.AppUnsaved = false;
    Q_EMIT session.appLoaded();
    EXPECT_EQ(edit("version")->text(), "9.9");
    EXPECT_EQ(find<QComboBox>("status")->currentText(), "Beta");
    EXPECT_EQ(find<QComboBox>("installer")->currentText(), "Odd Value");
    EXPECT_EQ(find<QPlainTextEdit>("longdesc")->toPlainText(), "First\nSecond");
    EXPECT_FALSE(session.AppUnsaved);
    EXPECT_EQ(session.app().value("installer"), "Odd Value");
    EXPECT_EQ(session.app().longDescription, "First\r\nSecond");
}

TEST_F(AppInfoPageTest, ChoosingAnApplicationLoadsIt) {
    auto* appName = find<QComboBox>("AppName");
    QTest::keyClick(appName, Qt::Key_Down);
    EXPECT_EQ(session.appText(), "Other");
    EXPECT_EQ(appName->currentText(), "Other");
    EXPECT_EQ(edit("version")->text(), "3.0");
    EXPECT_EQ(edit("filename")->text(), "");
    EXPECT_EQ(find<QComboBox>("status")->currentText(), "Freeware");
    EXPECT_EQ(find<QComboBox>("installer")->currentText(), "");
    EXPECT_EQ(find<QComboBox>("installer")->count(), 4) << "the odd value is not kept";
    EXPECT_EQ(find<QPlainTextEdit>("longdesc")->toPlainText(), "");
}

TEST_F(AppInfoPageTest, EditsGoIntoTheSessionAndMarkUnsaved) {
    for (const auto& key : ApplicationRecord::keys()) {
        auto* field = page->findChild<QLineEdit*>(key.control);
        if (!field)
            continue;
        session.AppUnsaved = false;
        field->clear();
        QTest::keyClicks(field, "7");
        EXPECT_EQ(session.app().value(key.name), "7") << key.control.toStdString();
        EXPECT_TRUE(session.AppUnsaved) << key.control.toStdString();
    }
    session.AppUnsaved = false;
    QTest::keyClick(find<QComboBox>("platforms"), Qt::Key_Down);
    EXPECT_EQ(session.app().value("PLATFORM"), "Windows NT");
    EXPECT_TRUE(session.AppUnsaved);

    session.AppUnsaved = false;
    auto* notes = find<QPlainTextEdit>("NotesToReviewer");
    QTest::keyClicks(notes, "ab");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, "cd");
    EXPECT_EQ(session.app().notes, "ab\r\ncd");
    EXPECT_TRUE(session.AppUnsaved);
}

TEST_F(AppInfoPageTest, LongDateFollowsTheYearWhenItIsLeft) {
    QLineEdit* year = edit("year");
    auto* ldatel = find<QLabel>("ldatel");
    focusAndActivate(year);
    year->selectAll();
    QTest::keyClicks(year, "05");
    EXPECT_EQ(ldatel->text(), "4-Jul-1998") << "not before the field is left";
    QTest::keyClick(year, Qt::Key_Tab);
    EXPECT_FALSE(year->hasFocus());
    EXPECT_EQ(ldatel->text(), "4-Jul-2005");
    EXPECT_EQ(session.LongDate(), "4-Jul-2005");
}

TEST_F(AppInfoPageTest, EightCharacterNameIsCheckedWhenLeft) {
    QLineEdit* name = edit("char8name");
    focusAndActivate(name);
    QTest::keyClicks(name, "AB-12_x");
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(name->text(), "ab-12_x");
    EXPECT_EQ(session.app().value("8CHAR"), "ab-12_x");
    EXPECT_TRUE(prompter.shown.isEmpty());

    focusAndActivate(name);
    name->selectAll();
    QTest::keyClicks(name, "my.app");
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(prompter.shown,
              QStringList{"message: You can only have alpha-numeric values in this field."});
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(session.app().value("8CHAR"), "");
    QCoreApplication::processEvents();
    EXPECT_TRUE(name->hasFocus()) << "the focus comes back to the refused name";
}

TEST_F(AppInfoPageTest, BrowseButtonsPutTheChosenPathIntoTheirFields) {
    std::vector<FileRequest> requests;
    QString answer;
    page->setFileChooser([&](QWidget*, const FileRequest& r) {
        requests.push_back(r);
        return answer;
    });
    showSubPage("Locations");
    struct Case {
        const char* button;
        const char* field;
        const char* key;
        const char* title;
        const char* filter;
        const char* suffix;
    };
    const Case cases[] = {
        {"LocalPathbrowsebtn", "localpath", "PATH", "Select your program",
         "Programs (*.ZIP *.EXE *.zip *.exe)", "EXE"},
        {"IciFileBrowse", "IcoFileEdit", "ICOPATH", "Select Icon File", "Icons (*.ICO *.ico)",
         "ICO"},
        {"GifFileBrowse", "GifFileEdit", "GIFPATH", "Select Gif File", "Gifs (*.GIF *.gif)", "GIF"},
        {"ScreenShotBrowse", "ScreenShotEdit", "SCREENPATH", "Select File", "ScreenShots (*)", ""},
        {"OtherFileBrowse", "OtherFileEdit", "OTHERPATH", "Select File", "Files (*)", ""}};
    for (const Case& c : cases) {
        answer = ws.path(QStringLiteral("files/") + c.field + ".bin");
        ws.write(QStringLiteral("files/") + c.field + ".bin", "x");
        session.AppUnsaved = false;
        QTest::mouseClick(find<QToolButton>(c.button), Qt::LeftButton);
        ASSERT_FALSE(requests.empty()) << c.button;
        EXPECT_EQ(requests.back().title, c.title);
        EXPECT_EQ(requests.back().filter, c.filter);
        EXPECT_EQ(requests.back().defaultSuffix, c.suffix);
        EXPECT_EQ(edit(c.field)->text(), answer) << c.button;
        EXPECT_EQ(session.app().value(c.key), answer);
        EXPECT_TRUE(session.AppUnsaved);
    }
    // The next dialog opens in the folder of the field's file; a cancel changes nothing.
    answer.clear();
    QTest::mouseClick(find<QToolButton>("IciFileBrowse"), Qt::LeftButton);
    EXPECT_EQ(QDir(requests.back().startPath), QDir(ws.path("files")));
    EXPECT_EQ(edit("IcoFileEdit")->text(), ws.path("files/IcoFileEdit.bin"));
}

TEST_F(AppInfoPageTest, EverySubPageHasTheThreeCommands) {
    for (int n = 1; n <= 3; ++n) {
        const QString number = QString::number(n);
        EXPECT_EQ(find<QPushButton>("NewAppBtn" + number)->text(), "New Application");
        EXPECT_EQ(find<QPushButton>("DeleteAppBtn" + number)->text(), "Delete Application");
        EXPECT_EQ(find<QPushButton>("SaveAppBtn" + number)->text(), "Save Application");
        EXPECT_EQ(find<QPushButton>("SaveAppBtn" + number)->parentWidget()->parentWidget(),
                  page->subPages()->widget(n - 1));
    }
}

TEST_F(AppInfoPageTest, SaveWritesTheEditsAndAnOddListValueUnchanged) {
    showSubPage("Locations");
    QTest::keyClicks(edit("appurl"), "example.com/tool");
    QTest::mouseClick(find<QPushButton>("SaveAppBtn2"), Qt::LeftButton);
    EXPECT_FALSE(session.AppUnsaved);
    const QString saved = QString::fromUtf8(ws.read("data/Tool.dat"));
    EXPECT_TRUE(saved.contains("APPURL=example.com/tool\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("installer=Setup Wizard\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("PLATFORM=Windows 95\r\n")) << saved.toStdString();
    EXPECT_EQ(ws.read("data/Tool.lds"), "Line one\r\nLine two\r\n");
}

TEST_F(AppInfoPageTest, NewAndDeleteFromTheirButtons) {
    prompter.names.push_back(QStringLiteral("Beta"));
    showSubPage("Description");
    QTest::mouseClick(find<QPushButton>("NewAppBtn3"), Qt::LeftButton);
    auto* appName = find<QComboBox>("AppName");
    ASSERT_EQ(appName->count(), 3);
    EXPECT_EQ(appName->currentText(), "Beta");
    EXPECT_EQ(edit("version")->text(), "");
    EXPECT_EQ(find<QPlainTextEdit>("longdesc")->toPlainText(), "");

    prompter.answers.push_back(Prompter::Answer::Yes);
    QTest::mouseClick(find<QPushButton>("DeleteAppBtn3"), Qt::LeftButton);
    EXPECT_EQ(appName->count(), 2);
    EXPECT_EQ(appName->currentText(), "Tool");
    EXPECT_EQ(edit("version")->text(), "2.1");
}

// Every control keeps at least the size it asks for inside the window's client area.
TEST_F(AppInfoPageTest, NothingIsClippedInTheWindow) {
    QTabWidget window;
    window.setFixedSize(596, 408);
    page->hide();
    window.addTab(new QWidget, "Company Info");
    window.addTab(page.release(), "App Info");
    window.addTab(new QWidget, "Sites");
    window.setCurrentIndex(1);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* sheet = window.findChild<AppInfoPage*>();
    QTabWidget* tabs = sheet->subPages();
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QWidget* sub = tabs->widget(i);
        const QRect area = sub->rect();
        for (QWidget* w : sub->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->inherits("QScrollBar") || !w->parentWidget()->isVisible())
                continue;
            if (!(qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                  qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                  qobject_cast<QPlainTextEdit*>(w)))
                continue;
            const QRect r(w->mapTo(sub, QPoint(0, 0)), w->size());
            const QString name =
                tabs->tabText(i) + "/" + w->objectName() + "/" +
                (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : QString());
            EXPECT_TRUE(area.contains(r)) << name.toStdString();
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << name.toStdString();
            EXPECT_GE(w->height(), w->minimumSizeHint().height()) << name.toStdString();
        }
    }
}

} // namespace
