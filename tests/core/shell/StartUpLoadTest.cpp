#include "base/Clock.h"
#include "engines/TEngBuild.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/SessionFixture.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

class StartUpLoadTest : public ::testing::Test, protected SessionFixture {
protected:
};

TEST_F(StartUpLoadTest, EmptyFolderGetsTheEightFoldersAndNoCompany) {
    ASSERT_TRUE(session.LoadWorkspace());
    for (const char* folder :
         {"data", "companies", "cat", "sites", "sites/updates", "files", "reports", "images"})
        EXPECT_TRUE(QFileInfo(ws.path(folder)).isDir()) << folder;
    EXPECT_TRUE(session.companies().isEmpty());
    EXPECT_EQ(session.companyText(), "");
    EXPECT_TRUE(session.apps().isEmpty());
    EXPECT_NE(gwide.iniSites(), nullptr);
    EXPECT_NE(gwide.engBuild(), nullptr);
    EXPECT_FALSE(ws.exists("companies/companies.dat"));
}

TEST_F(StartUpLoadTest, PathsEndWithASeparator) {
    const Workspace& p = gwide.paths();
    EXPECT_EQ(p.ProgramDir, ws.dir());
    EXPECT_EQ(p.UpdatesDir, ws.dir() + "sites/updates/");
    EXPECT_EQ(p.ImagesDir, ws.dir() + "images/");
}

TEST_F(StartUpLoadTest, CompaniesAreSortedIgnoringCaseAndTheFirstIsLoaded) {
    ws.write("companies/companies.dat", "zeta Soft\r\nAlpha Works\r\nbeta\r\n");
    ws.write("companies/Alpha Works.dat",
             "[COMPANY]\r\nCONAME=Alpha Works\r\nCONTACT=Ann\r\nCCITY=Oslo\r\nBHSID=77\r\n");
    ws.write("data/Alpha Works Apps.dat", "Second App\r\nFirst App\r\n");
    ws.write("data/Second App.dat", "[APPINFO]\r\nVERSION=2.1\r\nDAY=4\r\nMONTH=07\r\nYEAR=98\r\n");
    ws.write("data/Second App.lds", "Line one\r\nLine two\r\n");

    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_EQ(session.companies(), (QStringList{"Alpha Works", "beta", "zeta Soft"}));
    EXPECT_EQ(session.companyText(), "Alpha Works");
    EXPECT_EQ(session.company()[CompanyRecord::CONTACT], "Ann");
    EXPECT_EQ(session.company()[CompanyRecord::CCITY], "Oslo");
    EXPECT_EQ(session.company()[CompanyRecord::BHSID], "77");
    EXPECT_EQ(session.apps(), (QStringList{"Second App", "First App"}));
    EXPECT_EQ(session.appText(), "Second App");
    EXPECT_EQ(session.app().value("VERSION"), "2.1");
    EXPECT_EQ(session.app().longDescription, "Line one\r\nLine two");
    EXPECT_EQ(session.LongDate(), "4-Jul-1998");
    EXPECT_EQ(session.app().value("SPECREQ"), "None");
}

TEST_F(StartUpLoadTest, MissingCompanyRecordShowsEmptyFieldsAndStillLoadsApps) {
    ws.write("companies/companies.dat", "Solo\r\n");
    ws.write("data/Solo Apps.dat", "App\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_EQ(session.companyText(), "Solo");
    EXPECT_EQ(session.company()[CompanyRecord::CONTACT], "");
    EXPECT_EQ(session.apps(), QStringList{"App"});
}

TEST_F(StartUpLoadTest, RecordWithoutConameEmptiesTheSelectorText) {
    ws.write("companies/companies.dat", "Solo\r\n");
    ws.write("companies/Solo.dat", "[COMPANY]\r\nCONTACT=Bo\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_EQ(session.companyText(), "");
    EXPECT_EQ(session.company()[CompanyRecord::CONTACT], "Bo");
    EXPECT_TRUE(session.apps().isEmpty());
}

TEST_F(StartUpLoadTest, UnreadableCompanyListFailsTheStart) {
    QDir().mkpath(ws.path("companies/companies.dat"));
    EXPECT_FALSE(session.LoadWorkspace());
}

TEST_F(StartUpLoadTest, EngineListJoinsBothListsSorted) {
    ws.write("sites/Sites.dat", "Zed Files\r\nalpha Downloads\r\n");
    ws.write("sites/User_Sites.dat", "My Site\r\nZed Files\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_EQ(gwide.engBuild()->engineList(),
              (QStringList{"alpha Downloads", "My Site", "Zed Files", "Zed Files"}));
}

TEST_F(StartUpLoadTest, FolderThatCannotBeCreatedIsNotReported) {
    ws.write("reports", "a file where a folder belongs");
    EXPECT_TRUE(session.LoadWorkspace());
    EXPECT_TRUE(QFileInfo(ws.path("images")).isDir());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(StartUpLoadTest, LoadingACompanyMarksNothingChanged) {
    ws.write("companies/companies.dat", "A\r\n");
    ws.write("companies/A.dat", "[COMPANY]\r\nCONAME=A\r\nCONTACT=x\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_FALSE(session.CompanyUnsaved);
    session.setCompanyField(CompanyRecord::CONTACT, "y");
    EXPECT_TRUE(session.CompanyUnsaved);
    session.setCompanyField(CompanyRecord::CONTACT, "x");
    EXPECT_FALSE(session.CompanyUnsaved);
}

TEST_F(StartUpLoadTest, ChoosingACompanyWithoutARecordEmptiesTheFields) {
    ws.write("companies/companies.dat", "A\r\nB\r\n");
    ws.write("companies/A.dat", "[COMPANY]\r\nCONAME=A\r\nBHSID=5\r\nCONTACT=Ann\r\nCADDR=x\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    ASSERT_EQ(session.company()[CompanyRecord::CONTACT], "Ann");
    session.chooseCompany(1);
    EXPECT_EQ(session.companyText(), "B");
    for (int f = CompanyRecord::BHSID; f < CompanyRecord::FieldCount; ++f)
        EXPECT_EQ(session.company().values[f], "") << CompanyRecord::keys()[f].toStdString();
}

TEST_F(StartUpLoadTest, ChoosingACompanyLoadsItsApplications) {
    ws.write("companies/companies.dat", "A\r\nB\r\n");
    ws.write("data/A Apps.dat", "A1\r\n");
    ws.write("data/B Apps.dat", "B1\r\nB2\r\n");
    ws.write("data/B1.dat", "[APPINFO]\r\nVERSION=9\r\n");
    ws.write("data/A1.lds", "A's text\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    EXPECT_EQ(session.app().longDescription, "A's text");
    session.chooseCompany(1);
    EXPECT_EQ(session.apps(), (QStringList{"B1", "B2"}));
    EXPECT_EQ(session.appText(), "B1");
    EXPECT_EQ(session.app().value("VERSION"), "9");
    // B1 has no ".lds": A1's text must not carry over.
    EXPECT_EQ(session.app().longDescription, "");
}

} // namespace
