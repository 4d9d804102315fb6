#include "engines/TEngBuild.h"
#include "shell/Session.h"
#include "shell/Settings.h"
#include "shell/TGWide.h"
#include "support/OpenCounter.h"
#include "support/SessionFixture.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Loading a record reads its file once, whatever the number of keys.
struct Load {
    const char* what;
    const char* file;
    std::function<void(Session&)> load;
};

void PrintTo(const Load& l, std::ostream* os) {
    *os << l.what;
}

const Load kLoads[] = {
    {"a company", "companies/B.dat", [](Session& s) { s.chooseCompany(1); }},
    {"an application", "data/Tool.dat", [](Session& s) { s.selectApp(0); }},
    {"the settings", "settings.dat",
     [](Session& s) { Settings::read(s.gwide().paths().ProgramDir); }},
    {"an engine", "sites/Alpha.ini",
     [](Session& s) { s.gwide().engBuild()->LoadSiteEngine("Alpha"); }},
};

class ReadOnceTest : public ::testing::TestWithParam<Load>, protected SessionFixture {};

TEST_P(ReadOnceTest, TheRecordFileIsOpenedOnce) {
    ws.write("companies/companies.dat", "A\r\nB\r\n");
    ws.write("companies/A.dat", "[COMPANY]\r\nCONAME=A\r\n");
    ws.write("companies/B.dat", "[COMPANY]\r\nCONAME=B\r\nCONTACT=Bo\r\n");
    ws.write("data/A Apps.dat", "Tool\r\n");
    ws.write("data/Tool.dat", "[APPINFO]\r\nVERSION=2\r\n");
    ws.write("settings.dat", "[SETTINGS]\r\nSMTP=mail\r\n");
    ws.write("sites/Sites.dat", "Alpha\r\n");
    ws.write("sites/Alpha.ini", "[SETTINGS]\r\nUSE_CAT1=1\r\n");
    ASSERT_TRUE(session.LoadWorkspace());
    OpenCounter counter(ws.path(GetParam().file));
    GetParam().load(session);
    EXPECT_EQ(counter.opens(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryRecord, ReadOnceTest, ::testing::ValuesIn(kLoads));

} // namespace
