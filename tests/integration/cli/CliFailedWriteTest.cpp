#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

namespace {

// Every command that writes, with its writes failing part-way as on a full disk: the old file
// stays, the command fails and says which file and why.
struct WritingCommand {
    const char* what;
    QStringList args;
    const char* file;     // the file the command would rewrite
    bool withApplication; // whether opening the workspace rebuilds a site list first
};

void PrintTo(const WritingCommand& c, std::ostream* os) {
    *os << c.what;
}

const WritingCommand kCommands[] = {
    {"site list", {"sites", "--company", "Acme", "--app", "Tool"}, "data/Tool_SITES.dat", true},
    {"mass change", {"mass-change", "%appname%", "%APPNAME%"}, "sites/E00 HTTP_NEW.scp", false},
};

class CliFailedWriteTest : public ::testing::TestWithParam<WritingCommand> {
protected:
    TempWorkspace ws;
    const QByteArray oldSites = QString::fromUtf8("E00±Update±N/A±N/A±Unknown±N\r\n").toUtf8();
    const QByteArray oldScript = "n=" + QByteArray(1500, 'x') + "%appname%\r\n";

    void SetUp() override {
        QByteArray engines;
        for (int i = 0; i < 60; ++i) {
            const QString name = QStringLiteral("E%1").arg(i, 2, 10, QChar(u'0'));
            engines += name.toUtf8() + "\r\n";
            ws.write("sites/" + name + ".ini", "[SETTINGS]\r\n");
        }
        ws.write("sites/Sites.dat", engines);
        ws.write("sites/E00 HTTP_NEW.scp", oldScript);
        if (GetParam().withApplication)
            ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool_SITES.dat", oldSites);
    }
};

TEST_P(CliFailedWriteTest, OldFileStaysAndTheCommandSaysWhy) {
    const WritingCommand& c = GetParam();
    const QByteArray before = ws.read(c.file);
    const CliRun r = CliRun::withFileSizeLimit(ws, 1024, c.args);
    EXPECT_EQ(r.exitCode, 1) << c.what;
    const QByteArray says = "Unable to write to " + ws.path(c.file).toUtf8() + ": File too large";
    EXPECT_TRUE(r.err.contains(says)) << r.err.constData();
    EXPECT_FALSE(r.err.contains("Mass Change Done!"));
    EXPECT_EQ(ws.read(c.file), before);
}

INSTANTIATE_TEST_SUITE_P(EveryWritingCommand, CliFailedWriteTest, ::testing::ValuesIn(kCommands));

} // namespace
