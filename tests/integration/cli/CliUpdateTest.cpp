// shipkit-cli update against Python's http.server (tests/support/NetHttpServer.py) serving
// archives made here, and a scripted peer (tests/support/ScriptedHttpServer.py) for the answers
// no ordinary server gives. Every case checks the files of sites/ and cat/ byte for byte.
#include "support/CliRun.h"
#include "support/NetServerProcess.h"
#include "support/TempWorkspace.h"
#include "support/TestCertificates.h"
#include "support/ZipForge.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <gtest/gtest.h>
#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

const QByteArray kGoodZip =
    "add('Sites.dat', b'Alpha\\r\\nBeta\\r\\n'); add('foo.cat', b'1\">One'); "
    "add('bar.ini', b'[SETTINGS]\\r\\n')";
const Files kGoodFiles = {{"sites/Sites.dat", "Alpha\r\nBeta\r\n"},
                          {"cat/foo.cat", "1\">One"},
                          {"sites/bar.ini", "[SETTINGS]\r\n"}};
const char* const kGoodOut = "sites/Sites.dat\nsites/bar.ini\ncat/foo.cat\nData File Update "
                             "Complete\n";
// What every workspace holds before its update; a failed update must leave exactly this.
const Files kOldData = {{"sites/Sites.dat", "old list\r\n"},
                        {"sites/User_Sites.dat", "mine\r\n"},
                        {"cat/old.cat", "old\r\n"}};
constexpr qint64 kOversize = (64LL << 20) + 4096;

struct Case {
    const char* name;
    const char* settings;          // lines of the SETTINGS section
    QStringList args;              // after "update"
    const char* out;               // the whole of stdout; empty for a failure
    Files installed;               // what the update adds to the old data
    const char* says;              // a part of stderr; empty when stderr must stay empty
    const char* blocked = nullptr; // a folder put in the way of an installed file
};

class CliUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        makeArchives();
        m_served = start("NetHttpServer.py", "served");
        m_scripted = start("ScriptedHttpServer.py", "scripted");
        ASSERT_TRUE(m_certs.made()) << m_certs.log().toStdString();
        m_secure = start("TlsHttpServer.py", "served", {m_certs.good(), m_certs.keyFile()});
    }

    std::unique_ptr<NetServerProcess> start(const char* script, const char* folder,
                                            const QStringList& more = {}) {
        auto server = std::make_unique<NetServerProcess>(
            QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/") + script,
                        QStringLiteral("%PORT%"), m_root.path(folder)} +
                more);
        EXPECT_TRUE(server->start(QByteArray())) << server->log().toStdString();
        return server;
    }

    void forge(const QString& relative, const QByteArray& code) {
        ASSERT_TRUE(forgeZip(m_root.path(relative), code)) << code.toStdString();
    }

    // The scripted peer's answer: a head, then the bytes of a served file.
    void answer(const QString& name, const QByteArray& head, const QString& bodyFrom) {
        m_root.write("scripted/" + name + ".http", head + m_root.read(bodyFrom));
    }

    void makeArchives() {
        for (const char* folder : {"served", "scripted", "outside"})
            QDir().mkpath(m_root.path(folder));
        forge("served/sksites.zip", kGoodZip);
        forge("served/nested.zip", "add('data/', b''); add('data/sites.dat', b'Alpha\\r\\n'); "
                                   "add('data/cats/foo.cat', b'1'); "
                                   "add('data/User_Sites.dat', b'theirs')");
        forge("served/escape.zip", "OUT = '" + m_root.path("outside").toUtf8() +
                                       "'; add('../../evil.ini', b'E'); add(OUT + '/abs.cat', "
                                       "b'A')");
        forge("served/link.zip", "add('Sites.dat', b'new'); link('link.ini', '/etc/passwd')");
        forge("served/bomb.zip", "add('Sites.dat', b'new'); zeros('bomb.dat', 1024)");
        const QByteArray good = m_root.read("served/sksites.zip");
        m_root.write("served/truncated.zip", good.left(good.size() / 2));
        sparse("served/huge.zip", kOversize);
        answer("nolength", "HTTP/1.0 200 OK\r\nContent-Type: application/zip\r\n\r\n",
               "served/sksites.zip");
        answer("badlength", "HTTP/1.0 200 OK\r\nContent-Length: lots\r\n\r\n",
               "served/sksites.zip");
        answer("sksites.zip",
               "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(good.size()) + "\r\n\r\n",
               "served/sksites.zip");
        m_root.write("scripted/unannounced.http", "HTTP/1.0 200 OK\r\n\r\n");
        QFile unannounced(m_root.path("scripted/unannounced.http"));
        ASSERT_TRUE(unannounced.resize(kOversize + 100));
    }

    void sparse(const QString& relative, qint64 size) {
        m_root.write(relative, "PK");
        QFile file(m_root.path(relative));
        ASSERT_TRUE(file.resize(size));
    }

    QString expand(QString text) const {
        return text.replace("%SERVED%", QStringLiteral("http://127.0.0.1:%1").arg(m_served->port()))
            .replace("%SCRIPTEDPORT%", QString::number(m_scripted->port()))
            .replace("%SCRIPTED%", QStringLiteral("http://127.0.0.1:%1").arg(m_scripted->port()))
            .replace("%SECURE%", QStringLiteral("https://127.0.0.1:%1").arg(m_secure->port()))
            .replace("%CAFILE%", m_certs.caFile())
            .replace("%ROOT%", m_root.dir());
    }

    // Readable in a failure message: one "path: bytes" line per file.
    static std::string describe(const Files& files) {
        std::string text;
        for (const auto& [path, bytes] : files)
            text += path.toStdString() + ": " + bytes.toStdString() + '\n';
        return text;
    }

    // Every file under sites/ and cat/, hidden ones and the updates folder included.
    static Files contents(const QString& workspace) {
        Files found;
        for (const char* folder : {"sites", "cat"}) {
            QDirIterator it(workspace + folder, QDir::Files | QDir::Hidden | QDir::System,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                found[QDir(workspace).relativeFilePath(file.fileName())] =
                    file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
            }
        }
        return found;
    }

    CliRun run(const Case& c, const QString& workspace) {
        const QString folder = QDir(m_root.dir()).relativeFilePath(workspace) + u'/';
        for (const auto& [relative, bytes] : kOldData)
            m_root.write(folder + relative, bytes);
        m_root.write(folder + "settings.dat", "[SETTINGS]\r\n" + expand(c.settings).toUtf8());
        if (c.blocked)
            QDir().mkpath(workspace + c.blocked);
        QStringList args{"--workspace", workspace, "update"};
        for (const QString& a : c.args)
            args << expand(a);
        return CliRun::shipkitCli(args);
    }

    TempWorkspace m_root;
    TestCertificates m_certs;
    std::unique_ptr<NetServerProcess> m_served;
    std::unique_ptr<NetServerProcess> m_scripted;
    std::unique_ptr<NetServerProcess> m_secure;
};

TEST_F(CliUpdateTest, InstallsExactlyWhatCheckedCleanOrNothing) {
    const std::vector<Case> cases = {
        {"good archive", "", {"--url", "%SERVED%/sksites.zip"}, kGoodOut, kGoodFiles, ""},
        {"entries in folders, own site list kept",
         "",
         {"--url", "%SERVED%/nested.zip"},
         "sites/Sites.dat\ncat/foo.cat\nData File Update Complete\n",
         {{"sites/Sites.dat", "Alpha\r\n"}, {"cat/foo.cat", "1"}},
         ""},
        {"names leaving the folder land flat",
         "",
         {"--url", "%SERVED%/escape.zip"},
         "sites/evil.ini\ncat/abs.cat\nData File Update Complete\n",
         {{"sites/evil.ini", "E"}, {"cat/abs.cat", "A"}},
         ""},
        {"symbolic link", "", {"--url", "%SERVED%/link.zip"}, "", {}, "it is a symbolic link"},
        {"bomb", "", {"--url", "%SERVED%/bomb.zip"}, "", {}, "more than 1000:1"},
        {"truncated", "", {"--url", "%SERVED%/truncated.zip"}, "", {}, "Error reading Zip File"},
        {"404", "", {"--url", "%SERVED%/missing.zip"}, "", {}, "(151: 404"},
        {"announced above 64 MB", "", {"--url", "%SERVED%/huge.zip"}, "", {}, "more than 64 MB"},
        {"unannounced above 64 MB",
         "",
         {"--url", "%SCRIPTED%/unannounced"},
         "",
         {},
         "more than 64 MB"},
        {"no Content-Length, UPDATEURL from the settings",
         "UPDATEURL=%SCRIPTED%/nolength\r\n",
         {},
         kGoodOut,
         kGoodFiles,
         ""},
        {"non-numeric Content-Length",
         "",
         {"--url", "%SCRIPTED%/badlength"},
         kGoodOut,
         kGoodFiles,
         ""},
        {"default address through the proxy",
         "PROXY=127.0.0.1\r\nPORT=%SCRIPTEDPORT%\r\n",
         {},
         kGoodOut,
         kGoodFiles,
         ""},
        {"silent server, time-out held at 10 s",
         "HTTPTimeOut=3\r\n",
         {"--url", "%SCRIPTED%/silent"},
         "",
         {},
         "did not answer for 10 seconds"},
        {"https, the authority from CAFILE",
         "CAFILE=%CAFILE%\r\n",
         {"--url", "%SECURE%/sksites.zip"},
         kGoodOut,
         kGoodFiles,
         ""},
        {"https without the authority",
         "",
         {"--url", "%SECURE%/sksites.zip"},
         "",
         {},
         "TLS: issuer certificate"},
        {"local archive", "", {"--file", "%ROOT%served/sksites.zip"}, kGoodOut, kGoodFiles, ""},
        {"local archive above 64 MB",
         "",
         {"--file", "%ROOT%served/huge.zip"},
         "",
         {},
         "is larger than 64 MB"},
        {"local archive missing", "", {"--file", "%ROOT%nothing.zip"}, "", {}, "does not exist"},
        {"failed copy",
         "",
         {"--url", "%SERVED%/sksites.zip"},
         "",
         {},
         "a folder of that name is in the way",
         "cat/foo.cat"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const QString workspace = m_root.path(QStringLiteral("ws%1/").arg(i));
        const CliRun r = run(c, workspace);
        const bool success = !c.installed.empty();
        EXPECT_EQ(r.exitCode, success ? 0 : 1) << r.err.toStdString();
        EXPECT_EQ(r.out.toStdString(), c.out);
        EXPECT_TRUE(*c.says ? r.err.contains(c.says) : r.err.isEmpty()) << r.err.toStdString();
        EXPECT_TRUE(success || r.err.contains("installed nothing"));
        Files expected = kOldData;
        for (const auto& [path, bytes] : c.installed)
            expected[path] = bytes;
        EXPECT_EQ(describe(contents(workspace)), describe(expected));
    }
    EXPECT_TRUE(QDir(m_root.path("outside")).isEmpty());
    EXPECT_FALSE(m_root.exists("evil.ini"));
    EXPECT_TRUE(
        m_root.read("scripted/requests.log")
            .contains("GET http://www.tallmark.example.com/shipkit/engines/sksites.zip "
                      "HTTP/1.0\r\nHost: www.tallmark.example.com\r\nUser-Agent: Veltrow\r\n\r\n"));
}

} // namespace
