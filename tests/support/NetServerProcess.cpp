#include "support/NetServerProcess.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

constexpr int StartAttempts = 150;
constexpr int AttemptMs = 100;

} // namespace

NetServerProcess::NetServerProcess(const QString& program, const QStringList& arguments)
    : m_program(program), m_arguments(arguments) {}

NetServerProcess::~NetServerProcess() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

quint16 NetServerProcess::freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool NetServerProcess::start(const QByteArray& greeting) {
    m_port = freePort();
    QStringList arguments;
    for (const QString& a : m_arguments)
        arguments << QString(a).replace(QStringLiteral("%PORT%"), QString::number(m_port));
    const QString logPath = m_logDir.filePath(QStringLiteral("server.log"));
    m_process.setStandardOutputFile(logPath);
    m_process.setStandardErrorFile(logPath, QIODevice::Append);
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start(m_program, arguments);
    if (!m_process.waitForStarted(10000))
        return false;
    for (int i = 0; i < StartAttempts; ++i) {
        if (m_process.state() != QProcess::Running)
            return false;
        if (greets(greeting))
            return true;
        QThread::msleep(AttemptMs);
    }
    return false;
}

bool NetServerProcess::greets(const QByteArray& greeting) {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, m_port);
    if (!probe.waitForConnected(1000))
        return false;
    if (greeting.isEmpty())
        return true;
    while (!probe.canReadLine())
        if (!probe.waitForReadyRead(2000))
            return false;
    return probe.readLine().startsWith(greeting);
}

QString NetServerProcess::log() const {
    QFile file(m_logDir.filePath(QStringLiteral("server.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
