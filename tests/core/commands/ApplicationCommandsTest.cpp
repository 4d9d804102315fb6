#include "CommandsFixture.h"

namespace {

class ApplicationCommandsTest : public CommandsFixture {
protected:
    void SetUp() override {
        load();
        newCompany("Acme");
        session.setCompanyField(CompanyRecord::CONTACT, "Ann");
        companies.SaveCompanyBtnClick();
        prompter.shown.clear();
    }
};

QByteArray companySection() {
    return "[COMPANY]\r\nCONAME=Acme\r\nBHSID=\r\nCONTACT=Ann\r\nCTITLE=\r\nCEMAIL=\r\nCPHONE=\r\n"
           "CFAX=\r\nCADDR=\r\nCCITY=\r\nCSTATE=\r\nCZIP=\r\nCCOUNTRY=\r\nCURL=\r\nCCMAIL=\r\n";
}

QByteArray appSection(const QByteArray& name) {
    QByteArray s = "[APPINFO]\r\n";
    for (const auto& key : ApplicationRecord::keys())
        s += key.name.toUtf8() + "=" + (key.name == "NAME" ? name : QByteArray()) + "\r\n";
    return s;
}

TEST_F(ApplicationCommandsTest, NewApplicationWritesListRecordAndEmptyTextFiles) {
    newApp("Tool");
    EXPECT_EQ(ws.read("data/Acme Apps.dat"), "Tool\r\n");
    EXPECT_EQ(ws.read("data/Tool.dat"), companySection() + appSection("Tool"));
    EXPECT_TRUE(ws.exists("data/Tool.lds"));
    EXPECT_EQ(ws.read("data/Tool.lds"), "");
    EXPECT_EQ(ws.read("data/Tool.nts"), "");
    EXPECT_EQ(session.appText(), "Tool");
    EXPECT_FALSE(session.AppUnsaved);
}

TEST_F(ApplicationCommandsTest, KeysAreWrittenInOrderWithSpecreqAfterShortdesc) {
    const auto& keys = ApplicationRecord::keys();
    ASSERT_EQ(keys.size(), 38u);
    EXPECT_EQ(keys[0].name, "FILENAME");
    EXPECT_EQ(keys[18].name, "installer");
    EXPECT_EQ(keys[36].name, "SHORTDESC");
    EXPECT_EQ(keys[37].name, "SPECREQ");
}

TEST_F(ApplicationCommandsTest, SaveWritesFieldsMemosAndTheCompanyCopy) {
    newApp("Tool");
    session.setAppValue("VERSION", "1.5");
    session.setAppValue("installer", "Custom Installer");
    session.setAppValue("SPECREQ", "A mouse");
    session.setLongDescription("Line one\nLine two");
    session.setNotes("Reg code: 42");
    session.setCompanyField(CompanyRecord::CCITY, "Oslo"); // unsaved edit on the company page
    EXPECT_TRUE(session.AppUnsaved);
    apps.SaveAppBtnClick();
    EXPECT_FALSE(session.AppUnsaved);
    const QByteArray file = ws.read("data/Tool.dat");
    EXPECT_TRUE(file.contains("\r\nVERSION=1.5\r\n"));
    EXPECT_TRUE(file.contains("\r\ninstaller=Custom Installer\r\n"));
    EXPECT_TRUE(file.contains("\r\nSHORTDESC=\r\nSPECREQ=A mouse\r\n"));
    EXPECT_TRUE(file.contains("[COMPANY]\r\nCONAME=Acme\r\n"));
    EXPECT_TRUE(file.contains("\r\nCCITY=Oslo\r\n"));
    EXPECT_EQ(ws.read("data/Tool.lds"), "Line one\r\nLine two\r\n");
    EXPECT_EQ(ws.read("data/Tool.nts"), "Reg code: 42\r\n");
}

TEST_F(ApplicationCommandsTest, ReloadGivesBackWhatWasSavedAndIgnoresName) {
    newApp("Tool");
    session.setAppValue("installer", "Odd Value");
    session.setLongDescription("Text");
    apps.SaveAppBtnClick();
    TIniFile(ws.path("data/Tool.dat")).WriteKey("APPINFO", "NAME", "Renamed");
    session.selectApp(0);
    EXPECT_EQ(session.app().value("installer"), "Odd Value");
    EXPECT_EQ(session.app().longDescription, "Text");
    EXPECT_EQ(session.appText(), "Tool");
}

TEST_F(ApplicationCommandsTest, WithoutACompanyNewApplicationStartsNewCompany) {
    prompter.answers = {Prompter::Answer::Yes};
    companies.DeleteCompanyBtnClick();
    prompter.shown.clear();
    std::optional<Session::Page> page;
    QObject::connect(&session, &Session::pageRequested, [&](Session::Page p) { page = p; });
    prompter.names = {std::nullopt};
    apps.NewAppBtnClick();
    EXPECT_EQ(prompter.shown, (QStringList{"error: You have not entered a company yet!",
                                           "name: New Company Name"}));
    EXPECT_EQ(page, Session::CompanyInfo);
}

TEST_F(ApplicationCommandsTest, DuplicatesCaseAndLeadingSpaces) {
    newApp("Tool");
    prompter.names = {QString("Tool"), QString("tool")};
    apps.NewAppBtnClick();
    EXPECT_TRUE(prompter.shown.contains("errorBox: APP NAME DUPLICATE / The App name you entered "
                                        "is already on the list! / "));
    newApp("  Spaced");
    EXPECT_EQ(session.apps(), (QStringList{"Tool", "tool", "Spaced"}));
    EXPECT_EQ(ws.read("data/Acme Apps.dat"), "Tool\r\ntool\r\nSpaced\r\n");
    newApp("a/b");
    EXPECT_EQ(session.apps().size(), 3);
}

TEST_F(ApplicationCommandsTest, DeleteRemovesSiteListAndKeepsRecordFiles) {
    newApp("One");
    newApp("Two");
    ws.write("data/Two_SITES.dat", "x\r\n");
    prompter.answers = {Prompter::Answer::Yes};
    apps.DeleteAppBtnClick();
    EXPECT_EQ(session.apps(), QStringList{"One"});
    EXPECT_EQ(session.appText(), "One");
    EXPECT_FALSE(ws.exists("data/Two_SITES.dat"));
    for (const char* f : {"data/Two.dat", "data/Two.lds", "data/Two.nts"})
        EXPECT_TRUE(ws.exists(f)) << f;
    EXPECT_EQ(ws.read("data/Acme Apps.dat"), "One\r\n");
}

TEST_F(ApplicationCommandsTest, DeletingTheLastEmptiesListAndFields) {
    newApp("Only");
    session.setAppValue("VERSION", "3");
    apps.SaveAppBtnClick();
    prompter.answers = {Prompter::Answer::No};
    apps.DeleteAppBtnClick();
    EXPECT_EQ(session.apps().size(), 1);
    prompter.answers = {Prompter::Answer::Yes};
    apps.DeleteAppBtnClick();
    EXPECT_EQ(ws.read("data/Acme Apps.dat"), "");
    EXPECT_EQ(session.app().value("VERSION"), "");
    EXPECT_EQ(session.app().value("SPECREQ"), "");
}

TEST_F(ApplicationCommandsTest, EightCharacterNameRule) {
    newApp("Tool");
    session.setAppValue("8CHAR", "my.app");
    EXPECT_FALSE(apps.char8nameExit());
    EXPECT_EQ(session.app().value("8CHAR"), "");
    EXPECT_TRUE(
        prompter.shown.contains("message: You can only have alpha-numeric values in this field."));
    for (const char* bad : {"a b", "a/b", "a(b", "a)b"}) {
        session.setAppValue("8CHAR", bad);
        EXPECT_FALSE(apps.char8nameExit()) << bad;
    }
    session.setAppValue("8CHAR", "MY-APP1");
    EXPECT_TRUE(apps.char8nameExit());
    EXPECT_EQ(session.app().value("8CHAR"), "my-app1");
}

TEST_F(ApplicationCommandsTest, ChoosingACompanyShowsItsOwnApplications) {
    newApp("AcmeTool");
    newCompany("Beta");
    EXPECT_TRUE(session.apps().isEmpty());
    newApp("BetaTool");
    EXPECT_EQ(ws.read("data/Beta Apps.dat"), "BetaTool\r\n");
    EXPECT_EQ(ws.read("data/Acme Apps.dat"), "AcmeTool\r\n");
    session.chooseCompany(0);
    EXPECT_EQ(session.apps(), QStringList{"AcmeTool"});
    EXPECT_EQ(session.appText(), "AcmeTool");
}

TEST_F(ApplicationCommandsTest, ChoosingAnotherCompanyOffersToSaveTheApplicationFirst) {
    newApp("AcmeTool");
    newCompany("Beta");
    session.chooseCompany(0);
    session.setAppValue("VERSION", "9.9");
    prompter.shown.clear();
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(apps.chooseCompany(1));
    EXPECT_EQ(session.companyText(), "Acme");
    EXPECT_EQ(session.app().value("VERSION"), "9.9");
    EXPECT_EQ(prompter.shown, QStringList{"confirm: Would you like to save AcmeTool?"});
    prompter.answers = {Prompter::Answer::Yes};
    EXPECT_TRUE(apps.chooseCompany(1));
    EXPECT_EQ(session.companyText(), "Beta");
    EXPECT_TRUE(ws.read("data/AcmeTool.dat").contains("\r\nVERSION=9.9\r\n"));
    prompter.shown.clear();
    EXPECT_TRUE(apps.chooseCompany(0)); // nothing unsaved: no question
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(apps.chooseCompany(0)); // the company already shown
}

TEST_F(ApplicationCommandsTest, LongDateFollowsTheLoadedRecord) {
    newApp("Dated");
    session.setAppValue("DAY", "31");
    session.setAppValue("MONTH", "13");
    session.setAppValue("YEAR", "80");
    apps.SaveAppBtnClick();
    session.selectApp(0);
    EXPECT_EQ(session.LongDate(), "31-1980");
}

} // namespace
