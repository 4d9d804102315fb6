// The SMTP client against postfix's smtp-sink on loopback, beside curl sending the same MIME
// message to the same sink in the same run: one mail with a 25 MB attachment. Curl sends the
// message already encoded; ours is timed twice: SendMail alone (encoding included), and with
// the attaching before it, which reads the file into memory. Prints the throughputs of message
// bytes (median of the rounds), our share of curl's, and the processor time of each side's send.
// Skips when smtp-sink or curl is missing; its files stay in a temporary folder on /dev/shm.
//
//   bench_smtp [--mb N] [--rounds N]
#include "base/ShipkitError.h"
#include "net/TMailMessage.h"
#include "net/TMailMessageEncoder.h"
#include "net/TMailSMTP.h"

#include "BenchTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct OurRun {
    double attaching, sending, cpu; // seconds
};

class SmtpBench {
public:
    SmtpBench(const QString& sink, qint64 bytes, int rounds)
        : m_sinkProgram(sink), m_bytes(bytes), m_rounds(rounds) {
        if (!m_dir.isValid())
            die(QStringLiteral("no temporary folder"));
        makeData(path(QStringLiteral("app.zip")), bytes);
    }

    void run() {
        startSink();
        m_message = TMailMessageEncoder().encode(message()).toByteArray();
        writeFile(path(QStringLiteral("msg.eml")), m_message);
        Figures send{QStringLiteral("SendMail"), {}, {}, {}, {}};
        Figures whole{QStringLiteral("attaching and SendMail"), {}, {}, {}, {}};
        for (int round = 0; round < m_rounds; ++round) {
            const auto timeCurl = [&] {
                const double before = cpuSeconds(RUSAGE_CHILDREN);
                send.curl.push_back(mbps(curl()));
                send.curlCpu.push_back(cpuSeconds(RUSAGE_CHILDREN) - before);
            };
            // Who goes first alternates, as in the other benchmarks.
            if (round % 2 == 1)
                timeCurl();
            const OurRun run = ours();
            send.ours.push_back(mbps(run.sending));
            whole.ours.push_back(mbps(run.attaching + run.sending));
            send.oursCpu.push_back(run.cpu);
            if (round % 2 == 0)
                timeCurl();
        }
        whole.curl = send.curl;
        std::printf("%d rounds, %lld MB attachment, message %.1f MB, medians:\n", m_rounds,
                    m_bytes >> 20, static_cast<double>(m_message.size()) / 1048576.0);
        report(send);
        report(whole);
    }

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    double mbps(double seconds) const {
        return static_cast<double>(m_message.size()) / 1048576.0 / seconds;
    }

    void startSink() {
        m_port = freePort();
        QStringList arguments;
        if (geteuid() == 0)
            arguments << QStringLiteral("-u") << QStringLiteral("nobody"); // it refuses root
        arguments << QStringLiteral("127.0.0.1:%1").arg(m_port) << QStringLiteral("1000");
        m_sink =
            std::make_unique<Server>(m_sinkProgram, arguments, path(QStringLiteral("sink.log")));
        m_sink->awaitPort(m_port, "220");
    }

    TMailMessage message() const {
        TMailMessage m;
        m.Sender().setAddress(QStringLiteral("a@x.example"));
        m.Recipients().add(QStringLiteral("b@y.example"));
        m.setSubject(QStringLiteral("Submission"));
        m.setBody({QStringLiteral("The archive is attached.")});
        m.Attachments().add(path(QStringLiteral("app.zip")));
        return m;
    }

    OurRun ours() {
        QElapsedTimer clock;
        clock.start();
        try {
            TMailMessage m = message();
            const double attached = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            const double cpu = cpuSeconds(RUSAGE_SELF);
            TMailSMTP smtp;
            smtp.setServer(QStringLiteral("127.0.0.1:%1").arg(m_port));
            smtp.setMailMessage(&m);
            smtp.SendMail();
            return {attached, static_cast<double>(clock.nsecsElapsed()) / 1e9 - attached,
                    cpuSeconds(RUSAGE_SELF) - cpu};
        } catch (const ShipkitError& e) {
            die(QStringLiteral("SendMail failed: ") + e.message());
        }
    }

    double curl() {
        return curlSeconds({QStringLiteral("--upload-file"), path(QStringLiteral("msg.eml")),
                            QStringLiteral("--mail-from"), QStringLiteral("a@x.example"),
                            QStringLiteral("--mail-rcpt"), QStringLiteral("b@y.example"),
                            QStringLiteral("smtp://127.0.0.1:%1").arg(m_port)},
                           m_message.size());
    }

    QTemporaryDir m_dir{benchFolder(QStringLiteral("bench_smtp"))};
    QString m_sinkProgram;
    qint64 m_bytes;
    int m_rounds;
    quint16 m_port = 0;
    QByteArray m_message;
    std::unique_ptr<Server> m_sink;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    separateProcessors();
    const QStringList args = app.arguments();
    // smtp-sink lives in /usr/sbin, which a plain user's PATH may lack.
    const QString sink =
        QStandardPaths::findExecutable(QStringLiteral("smtp-sink"), {QStringLiteral("/usr/sbin")});
    if (sink.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty()) {
        std::printf("bench_smtp: skipped, needs smtp-sink and curl (packages postfix, curl)\n");
        return 0;
    }
    try {
        SmtpBench bench(sink, option(args, QStringLiteral("--mb"), 25) << 20,
                        static_cast<int>(option(args, QStringLiteral("--rounds"), 15)));
        bench.run();
    } catch (const BenchFailure& failure) {
        std::fprintf(stderr, "bench_smtp: %s\n", qPrintable(failure.why));
        return 1;
    }
    return 0;
}
