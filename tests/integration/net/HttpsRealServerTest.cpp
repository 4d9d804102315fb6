// The HTTP client over TLS against Python's http.server wrapped by its ssl module, with
// certificates openssl makes for the test: a trusted post and get, then each refusal.
#include "net/ENetHTTP.h"
#include "net/TNetHTTP.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/PatternBytes.h"
#include "support/TempWorkspace.h"
#include "support/TestCertificates.h"

#include <gtest/gtest.h>

namespace {

class HttpsRealServer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_certs.made()) << m_certs.log().toStdString();
        m_root.write(QStringLiteral("served/page.txt"), "served over TLS");
        QObject::connect(&m_http, &TNetHTTP::transfer,
                         [this](qint64, const QByteArray& t) { m_body += t; });
    }

    void serve(const QString& certificate) {
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/TlsHttpServer.py"),
                        QStringLiteral("%PORT%"), m_root.path(QStringLiteral("served")),
                        certificate, m_certs.keyFile()});
        ASSERT_TRUE(m_server->start(QByteArray())) << m_server->log().toStdString();
    }

    QString url(const QString& host, const QString& path) const {
        return QStringLiteral("https://%1:%2%3").arg(host).arg(m_server->port()).arg(path);
    }

    QString run(TNetHTTPActions action) {
        m_body.clear();
        NetGuard guard([this] { m_http.setAction(httpIdle); });
        try {
            m_http.setAction(action);
        } catch (const ENetHTTP& e) {
            return e.message();
        }
        return QString();
    }

    TestCertificates m_certs;
    TempWorkspace m_root;
    std::unique_ptr<NetServerProcess> m_server;
    TNetHTTP m_http;
    QByteArray m_body;
};

} // namespace

TEST_F(HttpsRealServer, PostAndGetWithTheTestAuthority) {
    serve(m_certs.good());
    m_http.setTlsPolicy(TlsPolicy(m_certs.caFile()));
    for (const QString& host : {QStringLiteral("127.0.0.1"), QStringLiteral("localhost")}) {
        SCOPED_TRACE(host.toStdString());
        m_http.setURL(url(host, QStringLiteral("/echo")));
        m_http.setContentType(QStringLiteral("application/x-www-form-urlencoded"));
        m_http.setPostData("APPNAME=Shipkit+Demo&VERSION=2.04");
        EXPECT_EQ(run(httpPost), QString());
        EXPECT_EQ(m_body, QByteArray("APPNAME=Shipkit+Demo&VERSION=2.04"));
        m_http.setURL(url(host, QStringLiteral("/page.txt")));
        EXPECT_EQ(run(httpGet), QString());
        EXPECT_EQ(m_body, QByteArray("served over TLS"));
    }
}

// Bodies bigger than the socket may queue go through TLS a piece at a time; the server echoes
// what it decrypted, so every byte and its order are checked, held in memory or read from the
// attached file.
TEST_F(HttpsRealServer, BigBodiesArriveWholeInMemoryOrFromTheAttachedFile) {
    serve(m_certs.good());
    m_http.setTlsPolicy(TlsPolicy(m_certs.caFile()));
    m_http.setURL(url(QStringLiteral("127.0.0.1"), QStringLiteral("/echo")));
    m_http.setContentType(QStringLiteral("application/octet-stream"));
    const QByteArray body = patternBytes(9 * 1024 * 1024 + 7);
    m_http.setPostData(body);
    EXPECT_EQ(run(httpPost), QString());
    EXPECT_TRUE(m_body == body) << "echoed " << m_body.size() << " of " << body.size();
    m_root.write(QStringLiteral("file.bin"), body);
    m_http.setPostData("head=");
    m_http.setAttachedFile(m_root.path(QStringLiteral("file.bin")));
    EXPECT_EQ(run(httpPost), QString());
    EXPECT_TRUE(m_body == "head=" + body)
        << "echoed " << m_body.size() << " of " << body.size() + 5;
}

struct RefusalCase {
    const char* name;
    bool trusted;
    QString (TestCertificates::*certificate)() const;
    QString reason;
};

TEST_F(HttpsRealServer, UntrustedExpiredOrWrongNameCertificateFailsThePost) {
    const RefusalCase cases[] = {
        {"no CA file", false, &TestCertificates::good,
         QStringLiteral("120: TLS: issuer certificate of a locally looked up certificate could "
                        "not be found")},
        {"expired", true, &TestCertificates::expired,
         QStringLiteral("120: TLS: certificate has expired")},
        {"wrong name", true, &TestCertificates::wrongName,
         QStringLiteral(
             "120: TLS: host name did not match any of the valid hosts for this certificate")},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        serve((m_certs.*c.certificate)());
        m_http.setTlsPolicy(c.trusted ? TlsPolicy(m_certs.caFile()) : TlsPolicy());
        m_http.setURL(url(QStringLiteral("127.0.0.1"), QStringLiteral("/echo")));
        m_http.setPostData("APPNAME=Shipkit");
        EXPECT_EQ(run(httpPost), c.reason);
        EXPECT_TRUE(m_body.isEmpty());
    }
}

TEST_F(HttpsRealServer, UnreadableCaFileFailsWithTheReason) {
    serve(m_certs.good());
    m_http.setTlsPolicy(TlsPolicy(m_root.path(QStringLiteral("none.pem"))));
    m_http.setURL(url(QStringLiteral("127.0.0.1"), QStringLiteral("/echo")));
    EXPECT_EQ(run(httpPost), QStringLiteral("120: TLS: no certificate could be read from the CA "
                                            "file \"%1\"; check the CA file in the settings")
                                 .arg(m_root.path(QStringLiteral("none.pem"))));
}

TEST_F(HttpsRealServer, ThroughAProxyTheRequestGoesInsideAConnectTunnel) {
    serve(m_certs.good());
    NetServerProcess proxy(
        QStringLiteral("/usr/bin/python3"),
        QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/ConnectProxy.py"),
                    QStringLiteral("%PORT%"), m_root.path(QStringLiteral("proxy.log"))});
    ASSERT_TRUE(proxy.start(QByteArray())) << proxy.log().toStdString();
    m_http.setTlsPolicy(TlsPolicy(m_certs.caFile()));
    m_http.setProxyServer(QStringLiteral("127.0.0.1"));
    m_http.setProxyPort(proxy.port());
    m_http.setURL(url(QStringLiteral("localhost"), QStringLiteral("/echo")));
    m_http.setPostData("through the tunnel");
    EXPECT_EQ(run(httpPost), QString());
    EXPECT_EQ(m_body, QByteArray("through the tunnel"));
    const QByteArray target = "localhost:" + QByteArray::number(m_server->port());
    EXPECT_EQ(m_root.read(QStringLiteral("proxy.log")),
              "CONNECT " + target + " HTTP/1.0\r\nHost: " + target +
                  "\r\nUser-Agent: " + TNetHTTP::defaultUserAgent().toLatin1() + "\r\n\r\n");
}
