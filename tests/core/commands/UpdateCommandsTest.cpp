#include "commands/UpdateCommands.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

namespace {

class UpdateCommandsTest : public ::testing::Test, protected SessionFixture {
protected:
    UpdateRequest requestFrom(const QByteArray& settings) {
        ws.write("settings.dat", "[SETTINGS]\r\n" + settings);
        session.settings = Settings::read(ws.dir());
        return UpdateCommands(session).request();
    }
};

TEST_F(UpdateCommandsTest, RequestComesFromTheSettingsWithTheirDefaults) {
    const struct {
        QByteArray settings;
        QString url;
        QString proxyHost;
        quint16 proxyPort;
        int timeOut;
    } cases[] = {
        {"", "http://www.tallmark.example.com/shipkit/engines/sksites.zip", "", 80, 60},
        {"UPDATEURL=  \r\nHTTPTimeOut=3\r\n", Settings::DefaultUpdateUrl, "", 80, 10},
        {"UPDATEURL=http://127.0.0.1:8080/d/sksites.zip\r\nHTTPTimeOut=0x1E\r\n",
         "http://127.0.0.1:8080/d/sksites.zip", "", 80, 30},
        {"PROXY=proxy.lan\r\nPORT=3128\r\nHTTPTimeOut=600\r\n", Settings::DefaultUpdateUrl,
         "proxy.lan", 3128, 60},
        {"PROXY=proxy.lan\r\nPORT=lots\r\n", Settings::DefaultUpdateUrl, "proxy.lan", 80, 60},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.toStdString());
        const UpdateRequest request = requestFrom(c.settings);
        EXPECT_EQ(request.url, c.url);
        EXPECT_EQ(request.proxy.host, c.proxyHost);
        EXPECT_EQ(request.proxy.port, c.proxyPort);
        EXPECT_EQ(request.timeOutSeconds, c.timeOut);
    }
}

TEST_F(UpdateCommandsTest, PartnerAddressHasADefaultTheSettingsMayChange) {
    EXPECT_EQ(Settings::read(ws.dir()).PartnerUrl, "http://www.bhs.example.com");
    ws.write("settings.dat", "[SETTINGS]\r\nPARTNERURL=http://127.0.0.1:81/bhs\r\n");
    EXPECT_EQ(Settings::read(ws.dir()).PartnerUrl, "http://127.0.0.1:81/bhs");
}

TEST_F(UpdateCommandsTest, RestartLetsTheReplacedEngineGo) {
    session.EngineUnsaved = true;
    session.CompanyUnsaved = true;
    UpdateCommands(session).RestartAfterUpdate();
    EXPECT_EQ(prompter.shown, QStringList{"message: You must now restart Shipkit!"});
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_FALSE(session.EngineUnsaved);
    EXPECT_TRUE(session.CompanyUnsaved);
}

} // namespace
