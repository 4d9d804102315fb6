#include "commands/ContributionMail.h"

#include <gtest/gtest.h>

namespace {

TEST(ContributionMail, OnlyThePasswordValueLeavesTheSettingsCopy) {
    struct PasswordCase {
        QByteArray file, sent;
    };
    const PasswordCase cases[] = {
        {"[SETTINGS]\r\nLOGIN_NAME=ann\r\nLOGIN_PASSWORD=hunter2\r\nFTP_SERVER=x\r\n",
         "[SETTINGS]\r\nLOGIN_NAME=ann\r\nLOGIN_PASSWORD=\r\nFTP_SERVER=x\r\n"},
        {"[SETTINGS]\nlogin_password = \"a=b\"", "[SETTINGS]\nlogin_password ="},
        {"[A]\r\nLOGIN_PASSWORD=one\r\n[SETTINGS]\r\nLOGIN_PASSWORD=two\r\n",
         "[A]\r\nLOGIN_PASSWORD=\r\n[SETTINGS]\r\nLOGIN_PASSWORD=\r\n"},
        {"[SETTINGS]\r\nLOGIN_PASSWORD=%APPNAME%\r\n",
         "[SETTINGS]\r\nLOGIN_PASSWORD=%APPNAME%\r\n"},
        {"[SETTINGS]\r\nLOGIN_PASSWORD=%APPNAME%x\r\n", "[SETTINGS]\r\nLOGIN_PASSWORD=\r\n"},
        {"[SETTINGS]\r\nLOGIN_PASSWORD=%NOSUCHNAME%\r\n", "[SETTINGS]\r\nLOGIN_PASSWORD=\r\n"},
        {"[SETTINGS]\r\nLOGIN_PASSWORD=%%\r\n", "[SETTINGS]\r\nLOGIN_PASSWORD=\r\n"},
        {"[SETTINGS]\r\nLOGIN_PASSWORD_HINT=keep\r\nLOGIN_PASSWORD=\r\n",
         "[SETTINGS]\r\nLOGIN_PASSWORD_HINT=keep\r\nLOGIN_PASSWORD=\r\n"},
        {"", ""},
    };
    for (const PasswordCase& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        EXPECT_EQ(ContributionMail::withoutPassword(c.file), c.sent);
    }
}

} // namespace
