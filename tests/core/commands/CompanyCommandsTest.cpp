#include "CommandsFixture.h"

namespace {

using CompanyCommandsTest = CommandsFixture;

const QByteArray kEmptyCompany = "[COMPANY]\r\nCONAME=Acme\r\nBHSID=\r\nCONTACT=\r\nCTITLE=\r\n"
                                 "CEMAIL=\r\nCPHONE=\r\nCFAX=\r\nCADDR=\r\nCCITY=\r\nCSTATE=\r\n"
                                 "CZIP=\r\nCCOUNTRY=\r\nCURL=\r\nCCMAIL=\r\n";

TEST_F(CompanyCommandsTest, NewCompanyWritesListAndEmptyRecord) {
    load();
    newCompany("Acme");
    EXPECT_EQ(ws.read("companies/companies.dat"), "Acme\r\n");
    EXPECT_EQ(ws.read("companies/Acme.dat"), kEmptyCompany);
    EXPECT_EQ(session.companyText(), "Acme");
    EXPECT_FALSE(session.CompanyUnsaved);
    EXPECT_EQ(prompter.shown, QStringList{"name: New Company Name"});
}

TEST_F(CompanyCommandsTest, NamesDifferingInCaseAreBothKeptSortedIgnoringCase) {
    load();
    newCompany("beta");
    newCompany("Acme");
    newCompany("acme");
    EXPECT_EQ(session.companies(), (QStringList{"Acme", "acme", "beta"}));
    EXPECT_EQ(ws.read("companies/companies.dat"), "Acme\r\nacme\r\nbeta\r\n");
    EXPECT_EQ(session.companyText(), "acme");
}

TEST_F(CompanyCommandsTest, DuplicateShowsTheErrorBoxAndAsksAgain) {
    load();
    newCompany("Acme");
    prompter.shown.clear();
    prompter.names = {QString("Acme"), QString("Other")};
    companies.NewCompanyBtnClick();
    EXPECT_EQ(prompter.shown,
              (QStringList{"name: New Company Name",
                           "errorBox: COMPANY NAME DUPLICATE / The company name you entered is "
                           "already on the list! / ",
                           "name: New Company Name"}));
    EXPECT_EQ(session.companies(), (QStringList{"Acme", "Other"}));
}

TEST_F(CompanyCommandsTest, LeadingSpacesAreStrippedAfterTheDuplicateCheck) {
    load();
    newCompany("Acme");
    newCompany("   Acme");
    EXPECT_EQ(session.companies(), (QStringList{"Acme", "Acme"}));
    newCompany("  Zed Soft");
    EXPECT_TRUE(ws.exists("companies/Zed Soft.dat"));
}

TEST_F(CompanyCommandsTest, CancelEmptyOrSpacesCreateNothing) {
    load();
    newCompany("Acme");
    const QByteArray before = ws.read("companies/companies.dat");
    prompter.names = {std::nullopt};
    companies.NewCompanyBtnClick();
    newCompany("");
    newCompany("    ");
    EXPECT_EQ(session.companies(), QStringList{"Acme"});
    EXPECT_EQ(ws.read("companies/companies.dat"), before);
}

TEST_F(CompanyCommandsTest, NamesThatCannotBeFileNamesAreRefused) {
    load();
    prompter.names = {QString("../evil"), QString(".."), QString("a\tb"), QString::fromUtf8("x±y"),
                      std::nullopt};
    companies.NewCompanyBtnClick();
    EXPECT_TRUE(session.companies().isEmpty());
    EXPECT_FALSE(ws.exists("companies/companies.dat"));
    EXPECT_FALSE(QFileInfo::exists(ws.dir() + "evil.dat"));
    EXPECT_EQ(prompter.shown.filter("INVALID COMPANY NAME").size(), 4);
}

TEST_F(CompanyCommandsTest, SaveWritesTheFourteenKeysInOrderFromThePage) {
    load();
    newCompany("Acme");
    session.setCompanyField(CompanyRecord::CONTACT, "Ann Lee");
    session.setCompanyField(CompanyRecord::CCMAIL, "sales@acme.example");
    session.setBhsId("1234");
    EXPECT_TRUE(session.CompanyUnsaved);
    companies.SaveCompanyBtnClick();
    EXPECT_FALSE(session.CompanyUnsaved);
    QByteArray expected = kEmptyCompany;
    expected.replace("BHSID=\r\n", "BHSID=1234\r\n")
        .replace("CONTACT=\r\n", "CONTACT=Ann Lee\r\n")
        .replace("CCMAIL=\r\n", "CCMAIL=sales@acme.example\r\n");
    EXPECT_EQ(ws.read("companies/Acme.dat"), expected);
}

TEST_F(CompanyCommandsTest, DeleteAsksThenRemovesFromTheListOnly) {
    load();
    newCompany("Acme");
    newCompany("Beta");
    ws.write("companies/Acme.dat", kEmptyCompany);
    session.chooseCompany(0);
    prompter.answers = {Prompter::Answer::No};
    companies.DeleteCompanyBtnClick();
    EXPECT_EQ(session.companies().size(), 2);
    prompter.answers = {Prompter::Answer::Yes};
    companies.DeleteCompanyBtnClick();
    EXPECT_EQ(session.companies(), QStringList{"Beta"});
    EXPECT_EQ(session.companyText(), "Beta");
    EXPECT_EQ(ws.read("companies/companies.dat"), "Beta\r\n");
    EXPECT_TRUE(ws.exists("companies/Acme.dat"));
    EXPECT_TRUE(prompter.shown.contains("confirm: Delete This Company ?"));
    EXPECT_EQ(prompter.busyDepth, 0);
}

TEST_F(CompanyCommandsTest, DeletingTheLastCompanyEmptiesTheList) {
    load();
    newCompany("Solo");
    session.setCompanyField(CompanyRecord::CONTACT, "x");
    prompter.answers = {Prompter::Answer::Yes};
    companies.DeleteCompanyBtnClick();
    EXPECT_EQ(ws.read("companies/companies.dat"), "");
    EXPECT_TRUE(ws.exists("companies/Solo.dat"));
    EXPECT_EQ(session.companyText(), "");
    EXPECT_EQ(session.company()[CompanyRecord::CONTACT], "");
    EXPECT_FALSE(session.CompanyUnsaved);
    TGWide again(ws.dir());
    Session next(again, prompter, clock);
    ASSERT_TRUE(next.LoadWorkspace());
    EXPECT_EQ(next.companyText(), "");
}

TEST_F(CompanyCommandsTest, NoCompanyMeansDeleteAndSaveDoNothing) {
    load();
    companies.DeleteCompanyBtnClick();
    companies.SaveCompanyBtnClick();
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(QDir(ws.path("companies")).isEmpty());
}

TEST_F(CompanyCommandsTest, UnwritableListRaisesWithTheReason) {
    load();
    QDir().mkpath(ws.path("companies/companies.dat"));
    prompter.names = {QString("Acme")};
    try {
        companies.NewCompanyBtnClick();
        FAIL() << "no error";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.text(), "Unable to write to " + ws.path("companies/companies.dat") +
                                ": Not a regular file");
    }
}

} // namespace
