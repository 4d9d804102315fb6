#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

#include "shell/SingleInstance.h"

namespace {

// Two real copies of the desktop program on one workspace.
class SingleInstanceTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    QProcess first;

    void SetUp() override {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("QT_LOGGING_RULES", "shipkit.instance.info=true");
        first.setProcessEnvironment(env);
        first.start(CliRun::programPath("shipkit"), {"--workspace", ws.dir()});
        ASSERT_TRUE(first.waitForStarted());
    }
    void TearDown() override {
        first.kill();
        first.waitForFinished();
    }

    // The first copy answers on its local socket once its window is up.
    bool waitUntilListening() {
        const QString name = SingleInstance(ws.dir()).serverName();
        for (int i = 0; i < 200; ++i) {
            QLocalSocket probe;
            probe.connectToServer(name);
            if (probe.waitForConnected(100))
                return true;
            QThread::msleep(50);
        }
        return false;
    }
};

TEST_F(SingleInstanceTest, SecondStartActivatesTheFirstAndExits) {
    ASSERT_TRUE(waitUntilListening());
    QProcess second;
    second.setProcessEnvironment(first.processEnvironment());
    second.start(CliRun::programPath("shipkit"), {"--workspace", ws.dir()});
    ASSERT_TRUE(second.waitForFinished(20000)) << "the second copy kept running";
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    QByteArray printed;
    for (int i = 0; i < 100 && !printed.contains("brought forward"); ++i) {
        first.waitForReadyRead(100);
        printed += first.readAllStandardError();
    }
    EXPECT_TRUE(printed.contains("brought forward")) << printed.constData();
}

TEST_F(SingleInstanceTest, AnotherWorkspaceStartsItsOwnCopy) {
    ASSERT_TRUE(waitUntilListening());
    TempWorkspace other;
    QProcess second;
    second.setProcessEnvironment(first.processEnvironment());
    second.start(CliRun::programPath("shipkit"), {"--workspace", other.dir()});
    EXPECT_FALSE(second.waitForFinished(1500)) << "a copy on another workspace must run";
    second.kill();
    second.waitForFinished();
}

TEST_F(SingleInstanceTest, TheRunningCopyKeepsCommandLineWritersOut) {
    ASSERT_TRUE(waitUntilListening());
    ws.write("sites/Sites.dat", "Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "FROM\r\n");
    const CliRun r = CliRun::inWorkspace(ws, {"mass-change", "FROM", "TO"});
    EXPECT_EQ(r.exitCode, 1);
    const QByteArray holder =
        "The workspace is in use by shipkit (process " + QByteArray::number(first.processId());
    EXPECT_TRUE(r.err.contains(holder)) << r.err.constData();
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "FROM\r\n");
}

TEST_F(SingleInstanceTest, TheLockOfACopyThatDiedIsTakenOver) {
    ASSERT_TRUE(waitUntilListening());
    first.kill();
    first.waitForFinished();
    ws.write("sites/Sites.dat", "Alpha\r\n");
    ws.write("sites/Alpha HTTP_NEW.scp", "FROM\r\n");
    EXPECT_EQ(CliRun::inWorkspace(ws, {"mass-change", "FROM", "TO"}).exitCode, 0);
    EXPECT_EQ(ws.read("sites/Alpha HTTP_NEW.scp"), "TO\r\n");
}

// Copies that start while another holds the workspace, without a first copy of our own.
class StartWhileHeldTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    QLockFile lock{ws.path(".shipkit.lock")};
    QProcess copy;

    void SetUp() override {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        copy.setProcessEnvironment(env);
    }
    void TearDown() override {
        copy.kill();
        copy.waitForFinished();
    }
    void start() { copy.start(CliRun::programPath("shipkit"), {"--workspace", ws.dir()}); }
};

TEST_F(StartWhileHeldTest, ACopyStillStartingIsAskedToComeForward) {
    // The lock is taken, but its holder listens only a moment later, as a copy still loading.
    ASSERT_TRUE(lock.tryLock());
    start();
    QThread::msleep(1000);
    QLocalServer holder;
    ASSERT_TRUE(holder.listen(SingleInstance(ws.dir()).serverName()));
    ASSERT_TRUE(holder.waitForNewConnection(20000)) << "the later copy never knocked";
    QLocalSocket* knock = holder.nextPendingConnection();
    QByteArray said;
    while (!said.contains("activate") && knock->waitForReadyRead(5000))
        said += knock->readAll();
    EXPECT_TRUE(said.contains("activate"));
    ASSERT_TRUE(copy.waitForFinished(20000)) << "the later copy kept running";
    EXPECT_EQ(copy.exitCode(), 0);
}

TEST_F(StartWhileHeldTest, AWriterThatKeepsTheWorkspaceIsNamed) {
    ASSERT_TRUE(lock.tryLock());
    start();
    QByteArray printed;
    for (int i = 0; i < 300 && !printed.contains("in use by"); ++i) {
        copy.waitForReadyRead(100);
        printed += copy.readAllStandardError();
    }
    EXPECT_TRUE(printed.contains("The workspace is in use by ")) << printed.constData();
    const QByteArray holder = "process " + QByteArray::number(QCoreApplication::applicationPid());
    EXPECT_TRUE(printed.contains(holder));
}

TEST_F(StartWhileHeldTest, TwoCopiesStartedTogetherLeaveOneRunning) {
    QProcess other;
    other.setProcessEnvironment(copy.processEnvironment());
    start();
    other.start(CliRun::programPath("shipkit"), {"--workspace", ws.dir()});
    const bool copyEnded = copy.waitForFinished(15000);
    const bool otherEnded = other.waitForFinished(copyEnded ? 3000 : 1);
    EXPECT_NE(copyEnded, otherEnded) << "exactly one copy must keep running";
    EXPECT_EQ((copyEnded ? copy : other).exitCode(), 0);
    other.kill();
    other.waitForFinished();
}

} // namespace
