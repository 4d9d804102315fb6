#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

const QByteArray kActivate = "activate\n";
constexpr int kWaitMs = 2000;

QString userName() {
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QString::number(QDir::homePath().size()) : user;
}

} // namespace

SingleInstance::SingleInstance(const QString& programDir, QObject* parent) : QObject(parent) {
    const QByteArray where = QDir(programDir).canonicalPath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex();
    m_name = QStringLiteral("shipkit-%1-%2").arg(userName(), QString::fromLatin1(hash.left(16)));
}

bool SingleInstance::activateRunningCopy() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::runningCopyExists() const {
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A copy that crashed leaves its socket file behind.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection())
            watch(socket);
    });
    return true;
}

void SingleInstance::watch(QLocalSocket* socket) {
    // The message may already be buffered, or arrive with the hang-up.
    const auto consume = [this, socket] {
        if (socket->readAll().contains(kActivate.trimmed()))
            Q_EMIT activateRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, consume);
    connect(socket, &QLocalSocket::disconnected, this, [socket, consume] {
        consume();
        socket->deleteLater();
    });
    consume();
}
