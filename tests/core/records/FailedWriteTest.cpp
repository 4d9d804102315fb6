#include "base/ShipkitError.h"
#include "records/ListFile.h"
#include "records/TIniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A write that fails part-way (the file size limit stands in for a full disk) must leave the
// old file as it was and say which file and why.
struct FailedWrite {
    const char* what;
    std::function<void(const QString& path)> write;
};

void PrintTo(const FailedWrite& c, std::ostream* os) {
    *os << c.what;
}

const QString kLong = QString(200, u'x');

const FailedWrite kWrites[] = {
    {"a key of a record file",
     [](const QString& path) { TIniFile(path).WriteKey("S", "K", kLong); }},
    {"several keys of a record file",
     [](const QString& path) {
         TIniFile(path).WriteKeys("S", {{"A", kLong}, {"B", kLong}});
     }},
    {"a list file",
     [](const QString& path) {
         SaveList({kLong, kLong}, path);
     }},
};

class FailedWriteTest : public ::testing::TestWithParam<FailedWrite> {
protected:
    TempWorkspace ws;
};

TEST_P(FailedWriteTest, OldFileStaysAndTheReasonIsGiven) {
    const QByteArray old = "[S]\r\nK=old\r\n";
    ws.write("f.dat", old);
    const QString path = ws.path("f.dat");
    try {
        const FileSizeLimit limit(64);
        GetParam().write(path);
        FAIL() << "no error for " << GetParam().what;
    } catch (const ShipkitError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()), "Unable to write to " + path + ": File too large");
    }
    EXPECT_EQ(ws.read("f.dat"), old);
    EXPECT_EQ(QDir(ws.dir()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.dat"});
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, FailedWriteTest, ::testing::ValuesIn(kWrites));

TEST(FailedNewFileTest, NoFileIsLeftBehind) {
    TempWorkspace ws;
    try {
        const FileSizeLimit limit(64);
        SaveList({kLong}, ws.path("new.dat"));
        FAIL() << "no error";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(QString::fromUtf8(e.what()),
                  "Cannot create file " + ws.path("new.dat") + ": File too large");
    }
    EXPECT_TRUE(
        QDir(ws.dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
