#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QLocalSocket>
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

} // namespace
