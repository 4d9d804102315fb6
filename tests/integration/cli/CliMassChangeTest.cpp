#include "support/CliRun.h"
#include "support/TempWorkspace.h"
#include "support/Utf16Bytes.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Three engines with one script each; the middle one is the odd one out in every case.
class CliMassChangeTest : public ::testing::Test {
public:
    TempWorkspace ws;
    QByteArray path(const char* relative) const { return ws.path(relative).toUtf8(); }

protected:
    void SetUp() override {
        ws.write("sites/Sites.dat", "Alpha\r\nBeta\r\nGamma\r\n");
        ws.write("sites/Alpha HTTP_NEW.scp", "a=FROM\r\n");
        ws.write("sites/Beta HTTP_NEW.scp", "b=FROM\r\n");
        ws.write("sites/Gamma HTTP_NEW.scp", "c=FROM\r\n");
    }
    CliRun massChange() const { return CliRun::inWorkspace(ws, {"mass-change", "FROM", "TO"}); }
};

TEST_F(CliMassChangeTest, ScriptHoldingANulIsLeftAndNamed) {
    static constexpr char kText[] =
        "b=FROM\0and FROM after the NUL byte, which a rewrite would lose\r\n";
    const QByteArray withNul(kText, sizeof kText - 1);
    ws.write("sites/Beta HTTP_NEW.scp", withNul);
    const CliRun r = massChange();
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.err, path("sites/Beta HTTP_NEW.scp") +
                         ": contains a NUL byte; not changed\nMass Change Done!\n");
    EXPECT_EQ(ws.read("sites/Beta HTTP_NEW.scp"), withNul);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "a=TO\r\n");
    EXPECT_EQ(ws.read("sites/Gamma HTTP_NEW.scp"), "c=TO\r\n");
}

TEST_F(CliMassChangeTest, Utf16ScriptsAreChangedAndWrittenAsUtf8) {
    for (const bool littleEndian : {true, false}) {
        ws.write("sites/Beta HTTP_NEW.scp",
                 utf16Bytes(QString::fromUtf8("b=FROM \u00e9\r\n"), littleEndian));
        EXPECT_EQ(massChange().exitCode, 0);
        EXPECT_EQ(ws.read("sites/Beta HTTP_NEW.scp"), "b=TO \xc3\xa9\r\n");
    }
}

TEST_F(CliMassChangeTest, Utf16FilesReadAsText) {
    ws.write("companies/companies.dat", utf16Bytes("Acme\r\nBeta Soft\r\n", true));
    EXPECT_EQ(CliRun::inWorkspace(ws, {"companies"}).out, "Acme\nBeta Soft\n");
    ws.write("companies/Acme.dat", utf16Bytes("[COMPANY]\r\nCONAME=Acme\r\nCCITY=Oslo\r\n", false));
    EXPECT_TRUE(CliRun::inWorkspace(ws, {"company", "show", "Acme"}).out.contains("CCITY=Oslo\n"));
}

// A script that cannot be written: found before any script changes, or named when a write
// still fails part-way.
struct Unwritable {
    const char* what;
    std::function<bool(const CliMassChangeTest&)> make; // false when this user cannot test it
    const char* says;
};

void PrintTo(const Unwritable& u, std::ostream* os) {
    *os << u.what;
}

const Unwritable kUnwritable[] = {
    {"a folder where the script belongs",
     [](const CliMassChangeTest& t) {
         QFile::remove(t.ws.path("sites/Beta HTTP_NEW.scp"));
         return QDir().mkdir(t.ws.path("sites/Beta HTTP_NEW.scp"));
     },
     "No script was changed: unable to write to %1: Not a regular file"},
    {"a FIFO where the script belongs",
     [](const CliMassChangeTest& t) {
         QFile::remove(t.ws.path("sites/Beta HTTP_NEW.scp"));
         return mkfifo(QFile::encodeName(t.ws.path("sites/Beta HTTP_NEW.scp")).constData(), 0600) ==
                0;
     },
     "No script was changed: unable to write to %1: Not a regular file"},
    {"a read-only script",
     [](const CliMassChangeTest& t) {
         QFile::setPermissions(t.ws.path("sites/Beta HTTP_NEW.scp"), QFile::ReadOwner);
         return !QFileInfo(t.ws.path("sites/Beta HTTP_NEW.scp")).isWritable();
     },
     "No script was changed: unable to write to %1: Permission denied"},
};

class CliMassChangeUnwritableTest : public CliMassChangeTest,
                                    public ::testing::WithParamInterface<Unwritable> {};

TEST_P(CliMassChangeUnwritableTest, NothingChangesAndTheFileIsNamed) {
    if (!GetParam().make(*this))
        GTEST_SKIP() << "running with rights that ignore file modes";
    const CliRun r = massChange();
    EXPECT_EQ(r.exitCode, 1);
    const QString says = QString(GetParam().says).arg(ws.path("sites/Beta HTTP_NEW.scp"));
    EXPECT_TRUE(r.err.contains(says.toUtf8())) << r.err.constData();
    EXPECT_FALSE(r.err.contains("Mass Change Done!"));
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "a=FROM\r\n");
    EXPECT_EQ(ws.read("sites/Gamma HTTP_NEW.scp"), "c=FROM\r\n");
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CliMassChangeUnwritableTest, ::testing::ValuesIn(kUnwritable));

TEST_F(CliMassChangeTest, AWriteThatFailsPartWayNamesTheFileAndTheReason) {
    const QByteArray big = "c=FROM" + QByteArray(2000, 'x') + "\r\n";
    ws.write("sites/Gamma HTTP_NEW.scp", big);
    const CliRun r = CliRun::withFileSizeLimit(ws, 1024, {"mass-change", "FROM", "TO"});
    EXPECT_EQ(r.exitCode, 1);
    const QByteArray says =
        "Unable to write to " + path("sites/Gamma HTTP_NEW.scp") + ": File too large";
    EXPECT_TRUE(r.err.contains(says)) << r.err.constData();
    EXPECT_EQ(ws.read("sites/Gamma HTTP_NEW.scp"), big);
}

} // namespace
