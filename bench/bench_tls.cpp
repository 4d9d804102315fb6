// HTTPS POST of a 64 MB body to nginx with TLS, beside curl making the same post to the same
// server in the same run. nginx reads the body and throws it away. The certificate is made by
// openssl for the run and trusted by both clients through a CA file. Prints both throughputs
// (median of the rounds), our share of curl's and the processor time of each side. Needs nginx,
// openssl and curl installed.
//
//   bench_tls [--http-mb N] [--rounds N]

#include "BenchTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {

class TlsBench {
public:
    TlsBench(qint64 bytes, int rounds) : m_bytes(bytes), m_rounds(rounds) {
        if (!m_dir.isValid())
            die(QStringLiteral("no temporary folder"));
        makeData(path(QStringLiteral("body.bin")), bytes);
        makeCertificate();
    }

    void run() {
        startNginx();
        Figures post{QStringLiteral("HTTPS POST"), {}, {}, {}, {}};
        QFile bodyFile(path(QStringLiteral("body.bin")));
        if (!bodyFile.open(QIODevice::ReadOnly))
            die(QStringLiteral("cannot read the body file"));
        const QByteArray body = bodyFile.readAll();
        for (int round = 0; round < m_rounds; ++round)
            race(
                post, m_bytes, round % 2 == 1,
                [&] {
                    return ourPostSeconds(url(), body, QString(),
                                          TlsPolicy(path(QStringLiteral("cert.pem"))));
                },
                [&] {
                    return curlPostSeconds(
                        url(), path(QStringLiteral("body.bin")), m_bytes,
                        {QStringLiteral("--cacert"), path(QStringLiteral("cert.pem"))});
                });
        std::printf("%d rounds, HTTPS %lld MB, medians:\n", m_rounds, m_bytes >> 20);
        report(post);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString url() const { return QStringLiteral("https://127.0.0.1:%1/form").arg(m_tlsPort); }

    void makeCertificate() {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("rsa:2048"), QStringLiteral("-nodes"),
                       QStringLiteral("-keyout"), path(QStringLiteral("key.pem")),
                       QStringLiteral("-out"), path(QStringLiteral("cert.pem")),
                       QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1")});
        if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
            die(QStringLiteral("openssl failed: ") + QString::fromLocal8Bit(openssl.readAll()));
    }

    void startNginx() {
        m_tlsPort = freePort();
        m_sinkPort = freePort();
        // The proxy step makes nginx read the whole body before it answers (an early answer
        // would let curl stop sending); the body itself is dropped.
        m_nginx = ::startNginx(m_dir.path(),
                               QStringLiteral(" server {\n  listen 127.0.0.1:%2 ssl;\n"
                                              "  ssl_certificate %1/cert.pem;\n"
                                              "  ssl_certificate_key %1/key.pem;\n"
                                              "  client_max_body_size 0;\n"
                                              "  client_body_buffer_size 128m;\n"
                                              "  location / {\n"
                                              "   proxy_pass http://127.0.0.1:%3/done;\n"
                                              "   proxy_pass_request_body off;\n"
                                              "   proxy_set_header Content-Length \"\";\n  }\n }\n"
                                              " server {\n  listen 127.0.0.1:%3;\n"
                                              "  location / { return 200 \"discarded\\n\"; }\n }\n")
                                   .arg(m_dir.path())
                                   .arg(m_tlsPort)
                                   .arg(m_sinkPort),
                               m_tlsPort);
    }

    QTemporaryDir m_dir{benchFolder(QStringLiteral("bench_tls"))};
    qint64 m_bytes;
    int m_rounds;
    quint16 m_tlsPort = 0, m_sinkPort = 0;
    std::unique_ptr<Server> m_nginx;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    separateProcessors();
    const QStringList args = app.arguments();
    try {
        TlsBench bench(option(args, QStringLiteral("--http-mb"), 64) << 20,
                       static_cast<int>(option(args, QStringLiteral("--rounds"), 15)));
        bench.run();
    } catch (const BenchFailure& failure) {
        std::fprintf(stderr, "bench_tls: %s\n", qPrintable(failure.why));
        return 1;
    }
    return 0;
}
