#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

class CliLockTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    QLockFile lock{ws.path(".shipkit.lock")};

    void SetUp() override {
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool_SITES.dat", "old\r\n");
        ws.write("sites/Sites.dat", "Alpha\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\n");
        ws.write("sites/Alpha HTTP_NEW.scp", "FROM\r\n");
    }
};

struct Writer {
    const char* what;
    QStringList args;
};

void PrintTo(const Writer& c, std::ostream* os) {
    *os << c.what;
}

const Writer kWriters[] = {
    {"init", {"init"}},
    {"sites", {"sites", "--company", "Acme", "--app", "Tool"}},
    {"mass-change", {"mass-change", "FROM", "TO"}},
    {"submit", {"submit", "--company", "Acme", "--app", "Tool"}},
    {"update", {"update", "--file", "sksites.zip"}},
};

class CliLockedWriterTest : public CliLockTest, public ::testing::WithParamInterface<Writer> {};

TEST_P(CliLockedWriterTest, WriterWaitsThenFailsNamingTheHolderAndWritesNothing) {
    ASSERT_TRUE(lock.tryLock());
    const CliRun r = CliRun::inWorkspace(ws, GetParam().args);
    EXPECT_EQ(r.exitCode, 1) << GetParam().what;
    const QByteArray holder =
        "process " + QByteArray::number(QCoreApplication::applicationPid()) + " on ";
    EXPECT_TRUE(r.err.startsWith("shipkit-cli: The workspace is in use by ")) << r.err.constData();
    EXPECT_TRUE(r.err.contains(holder)) << r.err.constData();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ws.read("data/Tool_SITES.dat"), "old\r\n");
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "FROM\r\n");
    EXPECT_FALSE(ws.exists("images"));
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, CliLockedWriterTest, ::testing::ValuesIn(kWriters));

TEST_F(CliLockTest, ReadersDoNotWaitForTheLock) {
    ASSERT_TRUE(lock.tryLock());
    const CliRun r = CliRun::inWorkspace(ws, {"companies"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "Acme\n");
}

TEST_F(CliLockTest, TwoMassChangesAtOnceBothLand) {
    QByteArray engines;
    for (int i = 0; i < 200; ++i) {
        const QString name = QStringLiteral("S%1").arg(i);
        engines += name.toUtf8() + "\r\n";
        ws.write("sites/" + name + " FTP_NEW.scp", "one two\r\n");
    }
    ws.write("sites/User_Sites.dat", engines);
    QProcess first;
    QProcess second;
    first.start(CliRun::programPath("shipkit-cli"),
                {"--workspace", ws.dir(), "mass-change", "one", "ONE"});
    second.start(CliRun::programPath("shipkit-cli"),
                 {"--workspace", ws.dir(), "mass-change", "two", "TWO"});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().constData();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(ws.read("sites/S" + QString::number(i) + " FTP_NEW.scp"), "ONE TWO\r\n") << i;
}

} // namespace
