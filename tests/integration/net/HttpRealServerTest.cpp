// The HTTP client against a real server: Python's http.server from Debian (a small handler in
// tests/support adds POST), started on a free loopback port.
#include "net/ENetHTTP.h"
#include "net/TNetHTTP.h"
#include "support/NetGuard.h"
#include "support/NetServerProcess.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

namespace {

class HttpRealServer : public ::testing::Test {
protected:
    void SetUp() override {
        m_root.write(QStringLiteral("served/sksites.zip"), archive());
        m_server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/NetHttpServer.py"),
                        QStringLiteral("%PORT%"), m_root.path(QStringLiteral("served"))});
        ASSERT_TRUE(m_server->start(QByteArray())) << m_server->log().toStdString();
        QObject::connect(&m_http, &TNetHTTP::transfer,
                         [this](qint64, const QByteArray& t) { m_body += t; });
        QObject::connect(&m_http, &TNetHTTP::header,
                         [this](const QString& f, const QString& v) { m_headers[f] = v; });
    }

    static QByteArray archive() {
        QByteArray bytes(2 * 1024 * 1024 + 9, '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(i * 5 + (i >> 12));
        return bytes;
    }

    QString url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path);
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

    TempWorkspace m_root;
    std::unique_ptr<NetServerProcess> m_server;
    TNetHTTP m_http;
    QByteArray m_body;
    QHash<QString, QString> m_headers;
};

} // namespace

TEST_F(HttpRealServer, GetWritesLocalFile) {
    m_http.setURL(url(QStringLiteral("/sksites.zip")));
    m_http.setLocalFile(m_root.path(QStringLiteral("got.zip")));
    EXPECT_EQ(run(httpGet), QString());
    EXPECT_EQ(m_root.read(QStringLiteral("got.zip")), archive());
    EXPECT_TRUE(m_http.StatusLine().startsWith(QStringLiteral("HTTP/1.0 200")));
}

TEST_F(HttpRealServer, PostFormIsReceivedWhole) {
    m_http.setURL(url(QStringLiteral("/echo")));
    m_http.setContentType(QStringLiteral("application/x-www-form-urlencoded"));
    m_http.setPostData("APPNAME=Shipkit+Demo&VERSION=2.04&DESC=one%20line");
    EXPECT_EQ(run(httpPost), QString());
    EXPECT_EQ(m_body, QByteArray("APPNAME=Shipkit+Demo&VERSION=2.04&DESC=one%20line"));
    EXPECT_EQ(m_headers.value(QStringLiteral("X-Received-Type")),
              QStringLiteral("application/x-www-form-urlencoded"));
}

TEST_F(HttpRealServer, PostWithAttachedFile) {
    m_root.write(QStringLiteral("attach.bin"), archive());
    m_http.setURL(url(QStringLiteral("/echo")));
    m_http.setPostData("head:");
    m_http.setAttachedFile(m_root.path(QStringLiteral("attach.bin")));
    EXPECT_EQ(run(httpPost), QString());
    EXPECT_EQ(m_body, QByteArray("head:") + archive());
}

TEST_F(HttpRealServer, RedirectAnswerRaises302Found) {
    m_http.setURL(url(QStringLiteral("/redirect")));
    m_http.setPostData("a=b");
    EXPECT_EQ(run(httpPost), QStringLiteral("151: 302 Found"));
}

TEST_F(HttpRealServer, MissingFileRaises404) {
    m_http.setURL(url(QStringLiteral("/nothing-here")));
    m_http.setLocalFile(m_root.path(QStringLiteral("never.bin")));
    const QString error = run(httpGet);
    EXPECT_TRUE(error.startsWith(QStringLiteral("151: 404"))) << error.toStdString();
    EXPECT_FALSE(m_root.exists(QStringLiteral("never.bin")));
}
