#include "shell/Settings.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

namespace {

TEST(Settings, FtpTimeOutIsReadAndGivenToTheStepWithinItsRange) {
    struct TimeOutCase {
        QByteArray file;
        int stored, given;
    };
    const TimeOutCase cases[] = {
        {"", 60, 60},
        {"[SETTINGS]\r\nFTPTimeOut=45\r\n", 45, 45},
        {"[SETTINGS]\r\nFTPTimeOut=0x1E\r\n", 30, 30},
        {"[SETTINGS]\r\nFTPTimeOut=1\r\n", 1, 5},
        {"[SETTINGS]\r\nFTPTimeOut=9000\r\n", 9000, 600},
        {"[SETTINGS]\r\nFTPTimeOut=soon\r\n", 60, 60},
    };
    for (const TimeOutCase& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        TempWorkspace ws;
        if (!c.file.isEmpty())
            ws.write("settings.dat", c.file);
        const Settings s = Settings::read(ws.dir());
        EXPECT_EQ(s.FtpTimeOut, c.stored);
        EXPECT_EQ(s.ftpTimeOutSeconds(), c.given);
    }
}

TEST(Settings, SmtpTimeOutIsReadAndGivenToTheStepWithinItsRange) {
    struct TimeOutCase {
        QByteArray file;
        int stored, given;
    };
    const TimeOutCase cases[] = {
        {"", 60, 60},
        {"[SETTINGS]\r\nSMTPTimeOut=45\r\n", 45, 45},
        {"[SETTINGS]\r\nSMTPTimeOut=4\r\n", 4, 5},
        {"[SETTINGS]\r\nSMTPTimeOut=601\r\n", 601, 600},
        {"[SETTINGS]\r\nSMTPTimeOut=soon\r\nFTPTimeOut=30\r\n", 60, 60},
    };
    for (const TimeOutCase& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        TempWorkspace ws;
        if (!c.file.isEmpty())
            ws.write("settings.dat", c.file);
        const Settings s = Settings::read(ws.dir());
        EXPECT_EQ(s.SmtpTimeOut, c.stored);
        EXPECT_EQ(s.smtpTimeOutSeconds(), c.given);
    }
}

TEST(Settings, WriteStoresBothTimeOutsAndReadGetsThemBack) {
    TempWorkspace ws;
    Settings s;
    s.FtpTimeOut = 45;
    s.SmtpTimeOut = 90;
    s.write(ws.dir());
    EXPECT_EQ(ws.read("settings.dat"),
              "[SETTINGS]\r\nSMTP=\r\nEMAIL=\r\nNAME=\r\nPROXY=\r\nPORT=80\r\n"
              "FTPRetries=3\r\nHTTPTimeOut=60\r\nFTPTimeOut=45\r\nSMTPTimeOut=90\r\n");
    const Settings back = Settings::read(ws.dir());
    EXPECT_EQ(back.FtpTimeOut, 45);
    EXPECT_EQ(back.SmtpTimeOut, 90);
}

TEST(Settings, ContributionAddressesHaveDefaultsThatTheFileMayChange) {
    struct AddressCase {
        QByteArray file;
        QString mailbox, server;
    };
    const AddressCase cases[] = {
        {"", Settings::DefaultContributeMail, Settings::DefaultContributeSmtp},
        {"[SETTINGS]\r\nCONTRIBUTEMAIL= \r\nCONTRIBUTESMTP=\r\n", Settings::DefaultContributeMail,
         Settings::DefaultContributeSmtp},
        {"[SETTINGS]\r\nCONTRIBUTEMAIL=in@127.0.0.1\r\nCONTRIBUTESMTP=127.0.0.1:2525\r\n",
         "in@127.0.0.1", "127.0.0.1:2525"},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        TempWorkspace ws;
        if (!c.file.isEmpty())
            ws.write("settings.dat", c.file);
        const Settings s = Settings::read(ws.dir());
        EXPECT_EQ(s.ContributeMail, c.mailbox);
        EXPECT_EQ(s.ContributeSmtp, c.server);
    }
    EXPECT_EQ(Settings::DefaultContributeSmtp, "mail.tallmark.example.com:25");
}

} // namespace
