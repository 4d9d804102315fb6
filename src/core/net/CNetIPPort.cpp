#include "net/CNetIPPort.h"

#include "base/ScopeGuard.h"
#include "net/SendQueue.h"
#include "net/SocketErrors.h"

#include <QSslConfiguration>
#include <QSslSocket>
#include <cerrno>
#include <sys/socket.h>

namespace {

QString statusText(int code) {
    return code == 0 ? QStringLiteral("OK") : SocketErrors::text(code);
}

} // namespace

CNetIPPort::CNetIPPort(WaitLoop* wait, QObject* parent) : CWinsock(wait, parent) {}

void CNetIPPort::setRemoteHost(const QString& host) {
    if (isOpen() && host != m_remoteHost)
        fail(HostBusy,
             QStringLiteral("You cannot change the RemoteHost at this time. A connection is "
                            "in progress."));
    m_remoteHost = host;
}

void CNetIPPort::setRemotePort(quint16 port) {
    if (isOpen() && port != m_remotePort)
        fail(PortBusy,
             QStringLiteral("You cannot change the RemotePort at this time. A connection is "
                            "in progress."));
    m_remotePort = port;
}

QHostAddress CNetIPPort::localAddress() const {
    return m_socket ? m_socket->localAddress() : QHostAddress();
}

QHostAddress CNetIPPort::peerAddress() const {
    return m_socket ? m_socket->peerAddress() : QHostAddress();
}

int CNetIPPort::startConnect() {
    if (isOpen())
        return AlreadyConnected;
    if (m_remotePort == 0)
        return NoPort;
    QHostAddress address;
    if (const int err = resolve(m_remoteHost, address))
        return err;
    if (!qobject_cast<QSslSocket*>(m_socket)) {
        if (m_socket)
            m_socket->deleteLater();
        m_socket = new QSslSocket(this);
        wire(m_socket);
    }
    m_connectError = 0;
    m_closeError = 0;
    m_tlsFailure.clear();
    m_securing = false;
    m_tlsHeld = false;
    m_state = State::Connecting;
    m_socket->connectToHost(address, m_remotePort);
    return 0;
}

bool CNetIPPort::isEncrypted() const {
    const auto* ssl = qobject_cast<QSslSocket*>(m_socket);
    return ssl && ssl->isEncrypted();
}

int CNetIPPort::startTls(const QString& peerName) {
    auto* ssl = qobject_cast<QSslSocket*>(m_socket);
    if (!ssl)
        return tlsError(QStringLiteral("this connection cannot be encrypted"));
    QSslConfiguration config;
    const QString problem = m_tls.configure(config);
    if (!problem.isEmpty())
        return tlsError(problem);
    m_tlsFailure.clear();
    config.setSslOption(QSsl::SslOptionDisableSessionPersistence, false);
    if (!m_tlsSession.isEmpty())
        config.setSessionTicket(m_tlsSession);
    ssl->setSslConfiguration(config);
    ssl->setPeerVerifyName(peerName);
    m_securing = true;
    ssl->startClientEncryption();
    return 0;
}

QByteArray CNetIPPort::tlsSession() const {
    const auto* ssl = qobject_cast<QSslSocket*>(m_socket);
    return ssl && ssl->isEncrypted() ? ssl->sslConfiguration().sessionTicket() : QByteArray();
}

int CNetIPPort::tlsError(const QString& reason) {
    m_tlsFailure = reason;
    return TlsFailed;
}

void CNetIPPort::adoptSocket(QTcpSocket* socket) {
    if (m_socket)
        m_socket->deleteLater();
    m_socket = socket;
    socket->setParent(this);
    wire(socket);
    m_connectError = 0;
    m_closeError = 0;
    m_tlsFailure.clear();
    m_securing = false;
    m_tlsHeld = false;
    m_state = State::Connecting;
    onConnected();
    if (socket->bytesAvailable() > 0)
        onReadyRead();
}

void CNetIPPort::wire(QTcpSocket* socket) {
    // A replaced socket may still report; only the current one counts.
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        if (socket == m_socket)
            onConnected();
    });
    connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
        if (socket == m_socket)
            onReadyRead();
    });
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket](QAbstractSocket::SocketError error) {
                if (socket == m_socket)
                    onError(error);
            });
    connect(socket, &QTcpSocket::bytesWritten, this, [this, socket](qint64 count) {
        if (socket == m_socket)
            onBytesWritten(count);
    });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
        if (socket == m_socket)
            handleClosed();
    });
    auto* ssl = qobject_cast<QSslSocket*>(socket);
    if (!ssl)
        return;
    connect(ssl, &QSslSocket::encrypted, this, [this, socket] {
        if (socket == m_socket)
            onEncrypted();
    });
    connect(ssl, &QSslSocket::sslErrors, this, [this, socket](const QList<QSslError>& errors) {
        if (socket == m_socket)
            onSslErrors(errors);
    });
    // Encrypted bytes leaving make room in the queue as much as plain ones do.
    connect(ssl, &QSslSocket::encryptedBytesWritten, this, [this, socket] {
        if (socket == m_socket)
            onBytesWritten(0);
    });
}

void CNetIPPort::onConnected() {
    if (m_state != State::Connecting)
        return;
    if (!m_implicitTls)
        return opened();
    if (m_holdTls) {
        m_tlsHeld = true;
        return;
    }
    if (const int err = startTls(m_tlsPeerName.isEmpty() ? m_remoteHost : m_tlsPeerName)) {
        m_connectError = err;
        m_state = State::Closed;
        m_socket->abort();
        waiter().wake();
        Q_EMIT connected(err, statusText(err));
    }
}

void CNetIPPort::releaseTls() {
    m_holdTls = false;
    if (m_tlsHeld) {
        m_tlsHeld = false;
        onConnected();
    }
}

void CNetIPPort::onEncrypted() {
    m_securing = false;
    if (m_state == State::Connecting)
        return opened();
    waiter().wake();
}

void CNetIPPort::onSslErrors(const QList<QSslError>& errors) {
    // The first is the cause; the others usually follow from it.
    if (!errors.isEmpty() && m_tlsFailure.isEmpty())
        m_tlsFailure = TlsPolicy::reason(errors.first());
}

void CNetIPPort::opened() {
    if (m_state != State::Connecting)
        return;
    m_state = State::Connected;
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->setSocketOption(QAbstractSocket::KeepAliveOption, 0);
    waiter().wake();
    connectionOpened();
    Q_EMIT connected(0, statusText(0));
}

void CNetIPPort::onReadyRead() {
    if (m_state != State::Connected)
        return;
    const QByteArray data = m_socket->readAll();
    if (data.isEmpty())
        return;
    waiter().wake();
    dataArrived(data);
}

void CNetIPPort::onError(QAbstractSocket::SocketError error) {
    int number = SocketErrors::fromQt(error);
    if (m_securing && error != QAbstractSocket::RemoteHostClosedError) {
        m_securing = false;
        number = tlsError(m_tlsFailure.isEmpty() ? TlsPolicy::reason(m_socket->errorString())
                                                 : m_tlsFailure);
    } else if (m_securing) {
        m_securing = false;
        number = tlsError(QStringLiteral("the server closed the connection during the handshake"));
    }
    if (m_state == State::Connecting) {
        m_connectError = number;
        m_state = State::Closed;
        waiter().wake();
        Q_EMIT connected(number, statusText(number));
        return;
    }
    if (m_state != State::Connected)
        return;
    if (error != QAbstractSocket::RemoteHostClosedError) {
        m_closeError = number;
        receiveError(number);
    }
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        handleClosed();
}

void CNetIPPort::onBytesWritten(qint64 count) {
    // Waking a wait costs a turn of the event loop; only a send waiting for room needs it.
    if (m_awaitingRoom && hasRoom())
        waiter().wake();
    bytesSent(count);
}

void CNetIPPort::handleClosed() {
    if (m_state != State::Connected)
        return;
    m_state = State::Closed;
    m_securing = false;
    // Whatever came in before the close still belongs to the answer. Asking first keeps a
    // socket closed by our own close() from warning about a read of a closed device.
    const bool pending = m_socket->isOpen() && m_socket->bytesAvailable() > 0;
    const QByteArray rest = pending ? m_socket->readAll() : QByteArray();
    if (!rest.isEmpty())
        dataArrived(rest);
    waiter().wake();
    connectionClosed();
    Q_EMIT disconnected(m_closeError, statusText(m_closeError));
}

int CNetIPPort::sendBytes(const QByteArray& bytes) {
    if (m_state != State::Connected)
        return SocketErrors::NotConnected;
    // Big data goes in slices: the socket copies what it queues, and a queue that never grows
    // past HighWater keeps reusing the same memory instead of faulting in fresh pages.
    qsizetype offset = 0;
    do {
        const qsizetype size = qMin(SliceSize, bytes.size() - offset);
        m_socket->write(bytes.constData() + offset, size);
        // Out to the kernel now, not once the queue is full and the wait runs the event loop.
        m_socket->flush();
        offset += size;
        m_awaitingRoom = true;
        const ScopeGuard awaited([this] { m_awaitingRoom = false; });
        const bool room = waiter().run([this] { return m_state != State::Connected || hasRoom(); });
        if (!room)
            return 301;
        if (m_state != State::Connected)
            return m_closeError ? m_closeError : 10053;
    } while (offset < bytes.size());
    return 0;
}

bool CNetIPPort::hasRoom() const {
    return !m_socket || SendQueue::hasRoom(*m_socket, HighWater);
}

qint64 CNetIPPort::queuedBytes() const {
    return m_socket && m_state == State::Connected ? SendQueue::bytes(*m_socket) : 0;
}

void CNetIPPort::closeConnection() {
    if (!m_socket || m_state == State::Closed)
        return;
    if (m_state == State::Connecting) {
        m_state = State::Closed;
        m_socket->abort();
        waiter().wake();
        return;
    }
    m_socket->abort();
    handleClosed(); // abort() may or may not have reported the close already
}

void CNetIPPort::finishSending() {
    if (m_socket && m_state == State::Connected)
        m_socket->disconnectFromHost();
}

int CNetIPPort::sendUrgent(const QByteArray& bytes) {
    if (m_state != State::Connected)
        return SocketErrors::NotConnected;
    // Qt has no urgent data: drain Qt's queue, then send on the descriptor directly.
    while (m_socket->bytesToWrite() > 0)
        if (!m_socket->flush() && !m_socket->waitForBytesWritten(1000))
            return SocketErrors::ConnectionReset;
    const qintptr fd = m_socket->socketDescriptor();
    const ssize_t sent = ::send(static_cast<int>(fd), bytes.constData(),
                                static_cast<size_t>(bytes.size()), MSG_OOB | MSG_NOSIGNAL);
    return sent == bytes.size() ? 0 : SocketErrors::ConnectionReset;
}
