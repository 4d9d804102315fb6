// Network clients against fast real servers on loopback, each beside curl making the same
// transfer to the same server in the same run:
//   FTP upload of a 256 MB file to vsftpd, active and passive;
//   HTTP POST of a 64 MB body to nginx, which reads the body and throws it away, once held in
//   memory and once as the attached file.
// Prints the throughputs (median of the rounds), our share of curl's, its spread over the
// rounds and each side's processor time (curl's includes its start). Needs vsftpd, nginx
// and curl installed; everything it writes stays in a temporary folder on /dev/shm.
//
//   bench_net [--ftp-mb N] [--http-mb N] [--rounds N]
#include "net/ENetError.h"
#include "net/TNetFTP.h"

#include "BenchTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class NetBench {
public:
    NetBench(qint64 ftpBytes, qint64 httpBytes, int rounds)
        : m_ftpBytes(ftpBytes), m_httpBytes(httpBytes), m_rounds(rounds) {
        if (!m_dir.isValid())
            die(QStringLiteral("no temporary folder"));
        QDir(m_dir.path()).mkpath(QStringLiteral("ftproot/up"));
        QFile::setPermissions(m_dir.filePath(QStringLiteral("ftproot/up")),
                              QFileDevice::Permissions(0x7777));
        makeData(path(QStringLiteral("upload.bin")), ftpBytes);
        makeData(path(QStringLiteral("body.bin")), httpBytes);
    }

    void run() {
        startVsftpd();
        startNginx();
        Figures active{QStringLiteral("FTP upload, active"), {}, {}, {}, {}};
        Figures passive{QStringLiteral("FTP upload, passive"), {}, {}, {}, {}};
        Figures post{QStringLiteral("HTTP POST, body"), {}, {}, {}, {}};
        Figures attached{QStringLiteral("HTTP POST, attached file"), {}, {}, {}, {}};
        QFile bodyFile(path(QStringLiteral("body.bin")));
        bodyFile.open(QIODevice::ReadOnly);
        const QByteArray body = bodyFile.readAll();
        // Freeing the uploaded 256 MB costs about 10 ms of our processor time: done after each
        // side, outside its figures.
        const auto dropUpload = [&](bool ours) {
            checkAndDropUpload(ours ? QStringLiteral("ours.bin") : QStringLiteral("curl.bin"));
        };
        for (int round = 0; round < m_rounds; ++round) {
            const bool curlFirst = round % 2 == 1;
            for (const bool isPassive : {false, true})
                race(
                    isPassive ? passive : active, m_ftpBytes, curlFirst,
                    [&] { return ourFtp(isPassive); }, [&] { return curlFtp(isPassive); },
                    dropUpload);
            const QString bodyFile = path(QStringLiteral("body.bin"));
            const auto curlPost = [&] { return curlPostSeconds(formUrl(), bodyFile, m_httpBytes); };
            race(
                post, m_httpBytes, curlFirst,
                [&] { return ourPostSeconds(formUrl(), body, QString()); }, curlPost);
            race(
                attached, m_httpBytes, curlFirst,
                [&] { return ourPostSeconds(formUrl(), QByteArray(), bodyFile); }, curlPost);
        }
        std::printf("%d rounds, FTP %lld MB, HTTP %lld MB, medians:\n", m_rounds, m_ftpBytes >> 20,
                    m_httpBytes >> 20);
        report(active);
        report(passive);
        report(post);
        report(attached);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    void startVsftpd() {
        m_ftpPort = freePort();
        const QString conf = path(QStringLiteral("vsftpd.conf"));
        writeFile(conf, QStringLiteral("listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\n"
                                       "listen_port=%1\nbackground=NO\nrun_as_launching_user=YES\n"
                                       "anonymous_enable=YES\nno_anon_password=YES\nanon_root=%2\n"
                                       "anon_upload_enable=YES\nwrite_enable=YES\nlocal_enable=NO\n"
                                       "connect_from_port_20=NO\nport_enable=YES\npasv_enable=YES\n"
                                       "seccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
                                       "xferlog_enable=NO\nsecure_chroot_dir=/var/run/vsftpd/"
                                       "empty\n")
                            .arg(m_ftpPort)
                            .arg(path(QStringLiteral("ftproot")))
                            .toUtf8());
        QDir().mkpath(QStringLiteral("/var/run/vsftpd/empty"));
        m_vsftpd = std::make_unique<Server>(QStringLiteral("/usr/sbin/vsftpd"), QStringList{conf},
                                            path(QStringLiteral("vsftpd.log")));
        m_vsftpd->awaitPort(m_ftpPort, "220");
    }

    void startNginx() {
        m_httpPort = freePort();
        // The proxy step makes nginx read the whole body before it answers (an early answer
        // would let curl stop sending); the body itself is dropped.
        m_nginx = ::startNginx(
            m_dir.path(),
            QStringLiteral(" server {\n  listen 127.0.0.1:%1;\n  client_max_body_size 0;\n"
                           "  client_body_buffer_size 128m;\n"
                           "  location / {\n   set $sink /done;\n"
                           "   proxy_pass http://127.0.0.1:%1$sink;\n"
                           "   proxy_pass_request_body off;\n"
                           "   proxy_set_header Content-Length \"\";\n  }\n"
                           "  location = /done { return 200 \"discarded\\n\"; }\n }\n")
                .arg(m_httpPort),
            m_httpPort);
    }

    void checkAndDropUpload(const QString& name) {
        const QString uploaded = path(QStringLiteral("ftproot/up/") + name);
        if (QFileInfo(uploaded).size() != m_ftpBytes)
            die(QStringLiteral("upload %1 arrived with %2 bytes")
                    .arg(name)
                    .arg(QFileInfo(uploaded).size()));
        QFile::remove(uploaded);
    }

    double ourFtp(bool passive) {
        TNetFTP ftp;
        ftp.setRemoteHost(QStringLiteral("127.0.0.1"));
        ftp.setRemotePort(m_ftpPort);
        ftp.setUser(QStringLiteral("anonymous"));
        ftp.setPassword(QStringLiteral("bench@example.com"));
        ftp.setPassive(passive);
        ftp.setTransferMode(tmBinary);
        ftp.setLocalFile(path(QStringLiteral("upload.bin")));
        ftp.setRemoteFile(QStringLiteral("up/ours.bin"));
        QElapsedTimer clock;
        clock.start();
        try {
            ftp.setAction(ftpLogon);
            ftp.setAction(ftpUpload);
            ftp.setAction(ftpLogoff);
        } catch (const ENetError& e) {
            die(QStringLiteral("FTP upload failed: ") + e.message());
        }
        return clock.nsecsElapsed() / 1e9;
    }

    double curlFtp(bool passive) {
        const QStringList mode =
            passive ? QStringList{QStringLiteral("--ftp-pasv")}
                    : QStringList{QStringLiteral("--ftp-port"), QStringLiteral("127.0.0.1")};
        return curlSeconds(
            mode + QStringList{QStringLiteral("-u"), QStringLiteral("anonymous:bench@example.com"),
                               QStringLiteral("-T"), path(QStringLiteral("upload.bin")),
                               QStringLiteral("ftp://127.0.0.1:%1/up/curl.bin").arg(m_ftpPort)},
            m_ftpBytes);
    }

    QString formUrl() const { return QStringLiteral("http://127.0.0.1:%1/form").arg(m_httpPort); }

    QTemporaryDir m_dir{benchFolder(QStringLiteral("bench_net"))};
    qint64 m_ftpBytes, m_httpBytes;
    int m_rounds;
    quint16 m_ftpPort = 0, m_httpPort = 0;
    std::unique_ptr<Server> m_vsftpd, m_nginx;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    separateProcessors();
    const QStringList args = app.arguments();
    try {
        NetBench bench(option(args, QStringLiteral("--ftp-mb"), 256) << 20,
                       option(args, QStringLiteral("--http-mb"), 64) << 20,
                       static_cast<int>(option(args, QStringLiteral("--rounds"), 15)));
        bench.run();
    } catch (const BenchFailure& failure) {
        std::fprintf(stderr, "bench_net: %s\n", qPrintable(failure.why));
        return 1;
    }
    return 0;
}
