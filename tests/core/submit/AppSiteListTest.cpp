#include "submit/AppSiteList.h"
#include "base/Clock.h"
#include "commands/ApplicationCommands.h"
#include "commands/CompanyCommands.h"
#include "commands/SiteListCommands.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QLocale>
#include <QMap>
#include <gtest/gtest.h>

namespace {

const QString kSep = QString(QChar(0x00B1));

class AppSiteListTest : public ::testing::Test, protected SessionFixture {
protected:
    AppSiteList& list = session.siteList();
    SiteListCommands commands{session};

    void engine(const char* name, const QByteArray& settings) {
        ws.write(QString("sites/%1.ini").arg(name), "[SETTINGS]\r\n" + settings);
    }
    // A workspace with one company, one shareware application on Windows 95, and engines.
    void start(const QByteArray& engines) {
        ws.write("sites/Sites.dat", engines);
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nPLATFORM=Windows 95\r\nSTATUS=Shareware\r\n");
        ASSERT_TRUE(session.LoadWorkspace());
        session.selectApp(0);
    }
    QString line(const QStringList& fields) { return fields.join(kSep); }
    QByteArray file() { return ws.read("data/Tool_SITES.dat"); }
};

TEST_F(AppSiteListTest, NoStoredFileGivesDefaultsForcesIncompatibleAndWritesAtOnce) {
    engine("Alpha", "SITE_TYPE=1\r\nSITE_SYSTEM=1\r\n");
    engine("Bravo", "USE_CAT1=1\r\nUSE_HTTP_POST=1\r\nUSE_FTP_UPLOAD=1\r\nUSE_ZIP_FILE=1\r\n");
    engine("Charlie", "SITE_SYSTEM=2\r\nUSE_EMAIL=1\r\n");
    start("Alpha\r\nBravo\r\nCharlie\r\nMissing\r\n");
    ASSERT_EQ(list.rows().size(), 3u);
    const AppSiteEntry& a = list.rows()[0];
    EXPECT_EQ(a.site, "Alpha");
    EXPECT_EQ(a.columns(),
              (QStringList{"Free 32", "New", "N/A", "N/A", "N", "N", "N", "N", "Unknown", "N"}));
    EXPECT_EQ(list.rows()[1].columns(), (QStringList{"All 16-32", "New", "NOT SET!", "N/A", "Y",
                                                     "Y", "Y", "N", "Unknown", "Y"}));
    EXPECT_EQ(list.rows()[2].post, "N"); // 16-bit only, application on Windows 95
    EXPECT_EQ(QString::fromUtf8(file()),
              line({"Alpha", "New", "N/A", "N/A", "Unknown", "N"}) + "\r\n" +
                  line({"Bravo", "New", "NOT SET!", "N/A", "Unknown", "Y"}) + "\r\n" +
                  line({"Charlie", "New", "N/A", "N/A", "Unknown", "N"}) + "\r\n");
    EXPECT_EQ(list.selected(), 0);
}

TEST_F(AppSiteListTest, StoredLinesMergeByRules) {
    engine("Both", "USE_CAT1=1\r\nUSE_CAT2=1\r\n");
    engine("None", "");
    engine("Short", "");
    ws.write("data/Tool_SITES.dat",
             (line({"Both", "Update", "Games", "N/A", "1/2/98", "Y"}) + "\r\n" +
              line({"None", "New", "Stale Cat", "Other", "Unknown", "Y"}) + "\r\n" +
              line({"Short", "Update", "x"}) + "\r\n" + line({"Gone", "New", "a", "b", "c", "Y"}) +
              "\r\n")
                 .toUtf8());
    start("Both\r\nNone\r\nShort\r\n");
    const auto& r = list.rows();
    EXPECT_EQ(r[0].columns(), (QStringList{"All 16-32", "Update", "Games", "NOT SET!", "N", "N",
                                           "N", "N", "1/2/98", "Y"}));
    EXPECT_EQ(r[1].cat1, "N/A");
    EXPECT_EQ(r[1].cat2, "N/A");
    EXPECT_EQ(r[2].lastPost, "");
    EXPECT_EQ(r[2].post, "");
    // An empty P posts like "Y", so it is counted like "Y".
    EXPECT_EQ(list.CountSitesToPost().total, 3);
    EXPECT_FALSE(QString::fromUtf8(file()).contains("Gone"));
}

TEST_F(AppSiteListTest, ASiteStoredTwiceTakesItsLaterLine) {
    engine("Twice", "USE_CAT1=1\r\n");
    engine("Once", "USE_CAT1=1\r\n");
    ws.write("data/Tool_SITES.dat",
             (line({"Twice", "Update", "First", "N/A", "1/2/98", "N"}) + "\r\n" +
              line({"Once", "Update", "Only", "N/A", "3/4/99", "Y"}) + "\r\n" +
              line({"Twice", "New", "Second", "N/A", "5/6/00", "Y"}) + "\r\n")
                 .toUtf8());
    start("Twice\r\nOnce\r\n");
    QMap<QString, QStringList> kept;
    for (const AppSiteEntry& r : list.rows())
        kept[r.site] = {r.submit, r.cat1, r.lastPost, r.post};
    EXPECT_EQ(kept, (QMap<QString, QStringList>{{"Twice", {"New", "Second", "5/6/00", "Y"}},
                                                {"Once", {"Update", "Only", "3/4/99", "Y"}}}));
}

TEST_F(AppSiteListTest, Windows1252FileWithTheSingleByteSeparatorStillReads) {
    engine("Old", "USE_CAT1=1\r\n");
    ws.write("data/Tool_SITES.dat", "Old\xb1"
                                    "Update\xb1"
                                    "Caf\xe9\xb1"
                                    "N/A\xb1"
                                    "Unknown\xb1"
                                    "Y\r\n");
    start("Old\r\n");
    EXPECT_EQ(list.rows()[0].cat1, QString::fromUtf8("Café"));
    EXPECT_EQ(list.rows()[0].submit, "Update");
}

TEST_F(AppSiteListTest, CompatibilityForPlatformsStatusAndTypes) {
    engine("Free32", "SITE_TYPE=1\r\nSITE_SYSTEM=1\r\n");
    engine("All16", "SITE_SYSTEM=2\r\n");
    engine("All32", "SITE_SYSTEM=1\r\n");
    engine("AllBoth", "");
    start("Free32\r\nAll16\r\nAll32\r\nAllBoth\r\n");
    const auto compatible = [&] {
        QString flags;
        for (int r = 0; r < 4; ++r)
            flags += list.IsSiteCompatible(r) ? u'Y' : u'N';
        return flags;
    };
    // Engine list order: All16, All32, AllBoth, Free32.
    EXPECT_EQ(compatible(), "NYYN");
    session.setAppValue("PLATFORM", "Windows 3.1");
    EXPECT_EQ(compatible(), "YNYN");
    session.setAppValue("STATUS", "Freeware");
    EXPECT_EQ(compatible(), "YNYN");
    session.setAppValue("PLATFORM", "Windows NT");
    EXPECT_EQ(compatible(), "NYYY");
    session.setAppValue("STATUS", "Public Domain");
    EXPECT_EQ(compatible(), "NYYY");
    session.setAppValue("PLATFORM", "Windows 95 and NT");
    session.setAppValue("STATUS", "Beta");
    EXPECT_EQ(compatible(), "NYYN");
}

TEST_F(AppSiteListTest, CountsByKindAndMethod) {
    engine("A", "USE_HTTP_POST=1\r\nUSE_EMAIL=1\r\n");
    engine("B", "USE_FTP_UPLOAD=1\r\nUSE_ZIP_FILE=1\r\n");
    engine("C", "USE_FTP_UPLOAD=1\r\n");
    engine("D", "SITE_TYPE=1\r\n");
    start("A\r\nB\r\nC\r\nD\r\n");
    list.select(1);
    commands.popupToggleKind();
    const AppSiteList::Counts c = list.CountSitesToPost();
    EXPECT_EQ(c.total, 3);
    EXPECT_EQ(c.newCount, 2);
    EXPECT_EQ(c.update, 1);
    EXPECT_EQ(c.http, 1);
    EXPECT_EQ(c.ftp, 2);
    EXPECT_EQ(c.ftpZip, 1);
    EXPECT_EQ(c.email, 1);
}

TEST_F(AppSiteListTest, UpAndDownWrapAround) {
    engine("A", "");
    engine("B", "");
    engine("C", "");
    start("A\r\nB\r\nC\r\n");
    list.selectUp();
    EXPECT_EQ(list.selected(), 2);
    list.selectDown();
    EXPECT_EQ(list.selected(), 0);
    list.selectDown();
    EXPECT_EQ(list.selected(), 1);
}

TEST_F(AppSiteListTest, AllButtonsConfirmAndPostOnlyCompatible) {
    engine("Free", "SITE_TYPE=1\r\n");
    engine("Open", "");
    start("Free\r\nOpen\r\n");
    prompter.answers = {Prompter::Answer::No};
    EXPECT_FALSE(commands.GridAllBtnsClick(AppSiteList::AllButton::ToNoPost));
    EXPECT_EQ(list.rows()[1].post, "Y");
    EXPECT_FALSE(session.SiteListChanged);
    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes, Prompter::Answer::Yes};
    EXPECT_TRUE(commands.GridAllBtnsClick(AppSiteList::AllButton::ToNoPost));
    EXPECT_TRUE(commands.GridAllBtnsClick(AppSiteList::AllButton::ToPost));
    EXPECT_TRUE(commands.GridAllBtnsClick(AppSiteList::AllButton::ToUpdate));
    EXPECT_EQ(list.rows()[0].post, "N");
    EXPECT_EQ(list.rows()[1].post, "Y");
    EXPECT_EQ(list.rows()[0].submit, "Update");
    EXPECT_TRUE(session.SiteListChanged);
    EXPECT_EQ(prompter.shown, (QStringList{"confirm: Sure you want to change all to \"No Post\"?",
                                           "confirm: Sure you want to change all to \"No Post\"?",
                                           "confirm: Sure you want to change all to \"Post\"?",
                                           "confirm: Sure you want to change all to \"Update\"?"}));
}

TEST_F(AppSiteListTest, AllToPostOnFreeOnlyEnginesChangesNothingButMarksChanged) {
    engine("F1", "SITE_TYPE=1\r\n");
    start("F1\r\n");
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(commands.GridAllBtnsClick(AppSiteList::AllButton::ToPost));
    EXPECT_EQ(list.rows()[0].post, "N");
    EXPECT_TRUE(session.SiteListChanged);
}

TEST_F(AppSiteListTest, PostFlagRefusedForIncompatibleSite) {
    engine("Free", "SITE_TYPE=1\r\n");
    start("Free\r\n");
    EXPECT_FALSE(commands.setPost(true));
    EXPECT_EQ(list.rows()[0].post, "N");
    EXPECT_FALSE(session.SiteListChanged);
    EXPECT_EQ(prompter.shown, QStringList{"error: Cannot change post to yes. Applications "
                                          "\"Platform\" or \"Status\" is not compatable with "
                                          "engines settings!"});
}

TEST_F(AppSiteListTest, PopupCaptionsAndCommands) {
    engine("A", "");
    start("A\r\n");
    EXPECT_EQ(list.popupCaptions(),
              (QStringList{"Set Post To NO", "Set as Post UPDATE", "Set Last Post Date To NOW"}));
    commands.popupTogglePost();
    commands.popupToggleKind();
    commands.popupTogglePostDate();
    const QString today = QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    EXPECT_EQ(list.rows()[0].lastPost, today);
    EXPECT_EQ(list.popupCaptions(),
              (QStringList{"Set Post To YES", "Set as Post NEW", "Set Last Post Date To Unknown"}));
    commands.popupTogglePostDate();
    EXPECT_EQ(list.rows()[0].lastPost, "Unknown");
}

TEST_F(AppSiteListTest, ChoosingAnApplicationClearsTheChangedFlag) {
    engine("A", "");
    start("A\r\n");
    commands.popupToggleKind();
    EXPECT_TRUE(session.SiteListChanged);
    session.selectApp(0);
    EXPECT_FALSE(session.SiteListChanged);
    EXPECT_EQ(list.rows()[0].submit, "New"); // unsaved change dropped by the rebuild
}

TEST_F(AppSiteListTest, CategoryLabelsFromTheFile) {
    engine("A", "USE_CAT1=1\r\n");
    ws.write("cat/A Cat1.cat", "GAMES\">Games\r\nUtilities\r\n");
    start("A\r\n");
    EXPECT_EQ(commands.categoryLabels("A", 1), (QStringList{"Games", "Utilities"}));
    EXPECT_TRUE(commands.categoryLabels("A", 2).isEmpty());
    commands.setCategory(1, "Utilities");
    EXPECT_EQ(list.rows()[0].cat1, "Utilities");
}

} // namespace
