// Servers that misbehave on purpose (tests/support/HostileServer.py, one process per kind): each
// post, upload or mail must end as a clear failure by its time-out, and a run goes on to the
// next site. How long the window's event loop was held up is recorded, not asserted.
#include "commands/SubmitCommands.h"
#include "net/ENetFTP.h"
#include "net/TNetFTP.h"
#include "support/FtpStepFixture.h"
#include "support/MailStepFixture.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/SubmitDriverRig.h"
#include "support/SubmitWorkspace.h"
#include "support/TempWorkspace.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<NetServerProcess> hostile(const char* mode) {
    auto server = std::make_unique<NetServerProcess>(
        QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/HostileServer.py"),
                    QString::fromLatin1(mode), QStringLiteral("%PORT%")});
    EXPECT_TRUE(server->start(QByteArray())) << mode << server->log().toStdString();
    return server;
}

// The longest time the event loop went without running a 10 ms timer.
class StallProbe {
public:
    StallProbe() {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_clock.restart()); });
        m_clock.start();
        m_timer.start();
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};

struct HttpCase {
    const char* site;
    const char* mode;
    const char* runLog; // the line the failed post leaves
};

// In the order the run takes the sites; the time-out interrupts the request.
const HttpCase kHttpCases[] = {
    {"Cut", "http-close",
     "Posting Error - 154: Connection closed before the end of the answer.(Cut)"},
    {"Drip", "http-drip", "Posting Error - 301: Interrupted(Drip)"},
    {"EndlessHeader", "http-endless-header", "Posting Error - 301: Interrupted(EndlessHeader)"},
};

TEST(HostileServer, EveryHostileFormSiteFailsClearlyAndTheRunGoesOn) {
    TempWorkspace ws;
    SubmitWorkspace w(ws);
    w.writeSettings(true, 10);
    std::vector<std::unique_ptr<NetServerProcess>> servers;
    QStringList expectedLog;
    for (const HttpCase& c : kHttpCases) {
        servers.push_back(hostile(c.mode));
        const QString url = QStringLiteral("http://127.0.0.1:%1/form").arg(servers.back()->port());
        w.formSite(c.site, 1, url, url, "a=1", "a=1");
        expectedLog << c.runLog;
    }
    for (const char* mode : {"http-huge", "http-silent"}) {
        servers.push_back(hostile(mode));
        const QString url = QStringLiteral("http://127.0.0.1:%1/form").arg(servers.back()->port());
        w.formSite(mode == QLatin1String("http-huge") ? "Huge" : "Silent", 1, url, url, "a=1",
                   "a=1");
    }
    expectedLog << "Completed HTTP Post to: Huge"
                << "Posting Error - 301: Interrupted(Silent)";
    w.finish();

    SubmitDriverRig rig(ws.dir());
    ASSERT_TRUE(rig.loaded);
    SubmitCommands& driver = rig.driver;
    RecordingRunView& view = rig.view;

    StallProbe probe;
    QElapsedTimer took;
    took.start();
    const SubmitCommands::Outcome outcome = driver.submitBtnClick();
    RecordProperty("run_ms", QString::number(took.elapsed()).toStdString());
    RecordProperty("longest_stall_ms", QString::number(probe.longestMs()).toStdString());

    EXPECT_EQ(outcome.result, SubmitCommands::Result::Finished);
    EXPECT_EQ(outcome.failed, 4);
    EXPECT_EQ(outcome.succeeded, 1);
    EXPECT_EQ(view.runLog, expectedLog) << view.runLog.join('\n').toStdString();
}

class HostileFtp : public ::testing::Test, protected FtpStepFixture {};

TEST_F(HostileFtp, ARefusedPortFailsEveryAttemptWithTheServersWords) {
    const auto server = hostile("ftp-refuse-port");
    this->server(server->port());
    appFile("MyApp.zip", "zip bytes");
    NetGuard guard([this] { uploader().Abort(); });
    EXPECT_FALSE(runStep(1, 5));
    EXPECT_FALSE(guard.fired()) << "the step hung";
    EXPECT_EQ(sentCommands().filter(QStringLiteral("PORT")).size(), 2);
    EXPECT_TRUE(view.ftpLog.join('\n').contains("500 PORT refused here"))
        << view.ftpLog.join('\n').toStdString();
}

TEST(HostileFtpClient, AnUnreadablePassiveReplyFailsTheTransfer) {
    const auto server = hostile("ftp-refuse-port");
    TNetFTP ftp;
    ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
    ftp.setRemotePort(server->port());
    ftp.setUser(QStringLiteral("u"));
    ftp.setPassword(QStringLiteral("p"));
    ftp.setPassive(true);
    TempWorkspace local;
    local.write("up.bin", "bytes");
    NetGuard guard([&] { ftp.setAction(ftpIdle); });
    QString failure;
    try {
        ftp.setAction(ftpLogon);
        ftp.setLocalFile(local.path("up.bin"));
        ftp.setRemoteFile(QStringLiteral("up.bin"));
        ftp.setAction(ftpUpload);
    } catch (const ENetFTP& e) {
        failure = e.message();
    }
    EXPECT_FALSE(guard.fired()) << "the transfer hung";
    EXPECT_FALSE(failure.isEmpty());
}

struct MailCase {
    const char* mode;
    const char* error; // a line of the site's report
};

const MailCase kMailCases[] = {
    {"smtp-silent", "ERROR -> Operation timed out"},
    {"smtp-drip", "ERROR -> Operation timed out"},
    {"smtp-endless-reply", "ERROR -> Reply too long"},
    {"smtp-close", "ERROR -> [10054] Connection reset by peer."},
};

class HostileMail : public ::testing::Test, protected MailStepFixture {};

TEST_F(HostileMail, SilentDrippingEndlessOrCutServersFailTheMail) {
    for (const MailCase& c : kMailCases) {
        SCOPED_TRACE(c.mode);
        const auto server = hostile(c.mode);
        view.runLog.clear();
        MailPoster mail(paths, view,
                        MailPoster::Setup{QStringLiteral("127.0.0.1:%1").arg(server->port()),
                                          "me@company.example", "Ann", 5});
        NetGuard guard([&] { mail.Skip(); });
        EXPECT_FALSE(mail.PostByEmail(true, listing(), false));
        EXPECT_FALSE(guard.fired()) << "the mail hung";
        EXPECT_EQ(view.runLog.last(), "Site One EMail ERROR!!!");
        EXPECT_TRUE(mail.reportLines().contains(c.error))
            << mail.reportLines().join(" | ").toStdString();
    }
}

} // namespace
