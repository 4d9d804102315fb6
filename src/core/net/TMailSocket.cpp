#include "net/TMailSocket.h"

#include "net/ECanceledError.h"
#include "net/EServerError.h"
#include "net/ESocketError.h"
#include "net/ETimedOutError.h"
#include "net/SendQueue.h"
#include "net/SocketErrors.h"

#include <QHostInfo>
#include <QSslConfiguration>

namespace {

// Enough for any honest reply; a server that floods is cut off by the reply's own bounds.
constexpr qint64 ReadBufferSize = 64 * 1024;

} // namespace

TMailSocket::TMailSocket(QObject* parent) : QObject(parent), m_socket(this), m_timer(this) {
    m_socket.setReadBufferSize(ReadBufferSize);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        m_wait.wake();
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError error) {
                m_socketError = SocketErrors::fromQt(error);
                m_wait.wake();
            });
    connect(&m_socket, &QSslSocket::sslErrors, this, [this](const QList<QSslError>& errors) {
        if (!errors.isEmpty() && m_tlsFailure.isEmpty())
            m_tlsFailure = TlsPolicy::reason(errors.first());
    });
    const auto wake = [this] { m_wait.wake(); };
    connect(&m_socket, &QSslSocket::encrypted, this, wake);
    connect(&m_socket, &QTcpSocket::connected, this, wake);
    connect(&m_socket, &QTcpSocket::readyRead, this, wake);
    connect(&m_socket, &QTcpSocket::disconnected, this, wake);
    // Waking costs a turn of the event loop; bytes leaving matter only to a send waiting for
    // room, and only once there is room.
    const auto roomMade = [this] {
        if (SendQueue::hasRoom(m_socket, HighWater))
            m_wait.wake();
    };
    connect(&m_socket, &QSslSocket::encryptedBytesWritten, this, roomMade);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, roomMade);
}

void TMailSocket::setTimeOut(int seconds) {
    // Under a second nothing could ever connect.
    m_timeOutMs = qMax(1, seconds) * 1000;
}

void TMailSocket::connectTo(const QString& host, quint16 port, bool tls) {
    checkCanceled();
    close(); // a connection the server has ended
    const QHostAddress address = resolve(host);
    m_lines.reset();
    m_socketError = 0;
    m_tlsFailure.clear();
    m_open = true;
    m_socket.connectToHost(address, port);
    wait([this] { return isConnected() || m_socketError != 0; });
    if (!isConnected())
        failSocket(m_socketError);
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (tls)
        startTls(host);
}

void TMailSocket::startTls(const QString& peerName) {
    QSslConfiguration config;
    m_tlsFailure = m_tls.configure(config);
    if (!m_tlsFailure.isEmpty())
        failSocket(QStringLiteral("TLS: ") + m_tlsFailure);
    m_lines.reset();
    m_socketError = 0;
    m_socket.setSslConfiguration(config);
    m_socket.setPeerVerifyName(peerName);
    m_socket.startClientEncryption();
    wait([this] { return isEncrypted() || !isConnected() || m_socketError != 0; });
    if (isEncrypted())
        return;
    if (m_tlsFailure.isEmpty())
        m_tlsFailure = TlsPolicy::reason(m_socket.errorString());
    failSocket(QStringLiteral("TLS: ") + m_tlsFailure);
}

QHostAddress TMailSocket::resolve(const QString& host) {
    QHostAddress address;
    if (address.setAddress(host))
        return address;
    QObject context; // gone at return, so a late answer goes nowhere
    bool answered = false;
    QHostInfo info;
    m_lookupId = QHostInfo::lookupHost(host, &context, [&](const QHostInfo& result) {
        info = result;
        answered = true;
        m_wait.wake();
    });
    wait([&] { return answered; });
    m_lookupId = -1;
    for (const QHostAddress& found : info.addresses())
        if (found.protocol() == QAbstractSocket::IPv4Protocol)
            return found;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
        failSocket(QStringLiteral("Error resolving remote host"));
    return info.addresses().first();
}

void TMailSocket::sendLine(const QByteArray& line) {
    checkCanceled();
    requireConnection();
    m_transcript.add(QString::fromUtf8(line));
    write(line + "\r\n");
}

void TMailSocket::sendSecretLine(const QByteArray& line, const QString& shown) {
    checkCanceled();
    requireConnection();
    m_transcript.add(shown);
    write(line + "\r\n");
}

void TMailSocket::sendData(const QByteArray& data) {
    checkCanceled();
    requireConnection();
    write(data);
}

void TMailSocket::write(const QByteArray& bytes) {
    m_socket.write(bytes);
    // Out to the kernel now: otherwise nothing leaves before the queue is full and the wait
    // below runs the event loop, and the server idles while the first megabyte is prepared.
    m_socket.flush();
    wait([this] {
        return !isConnected() || m_socketError != 0 || SendQueue::hasRoom(m_socket, HighWater);
    });
    if (!isConnected() || m_socketError != 0)
        failSocket(m_socketError != 0 ? m_socketError : SocketErrors::ConnectionReset);
}

SmtpReply TMailSocket::readReply() {
    checkCanceled();
    if (!m_open)
        failSocket(QStringLiteral("You have to connect to the server first"));
    SmtpReply reply;
    wait([&] {
        takeLines(reply);
        return reply.isComplete() || reply.isTooLong() || !isConnected() || m_socketError != 0;
    });
    if (reply.isTooLong()) {
        // What is left of the reply would pass for the answers to the next commands.
        close();
        throw EServerError(QStringLiteral("Reply too long"));
    }
    if (!reply.isComplete())
        failSocket(m_socketError != 0 ? m_socketError : SocketErrors::ConnectionReset);
    return reply;
}

void TMailSocket::takeLines(SmtpReply& reply) {
    if (m_socket.bytesAvailable() > 0)
        m_lines.append(m_socket.readAll());
    QByteArray line;
    while (!reply.isComplete() && !reply.isTooLong() && m_lines.nextLine(line)) {
        m_transcript.add(QString::fromUtf8(line.left(SmtpReply::MaxLineLength)));
        reply.add(line);
    }
}

void TMailSocket::wait(const std::function<bool()>& done) {
    bool reached = false;
    m_timedOut = false;
    m_timer.start(m_timeOutMs);
    const bool ended = m_wait.run([&] {
        reached = done();
        return reached || m_timedOut;
    });
    m_timer.stop();
    if (!ended)
        failCanceled();
    if (!reached)
        failTimedOut();
}

void TMailSocket::close() {
    if (!m_open)
        return;
    m_open = false;
    Q_EMIT closing();
    m_socket.abort();
    m_lines.reset();
    Q_EMIT closed();
}

void TMailSocket::cancel() {
    m_wait.interrupt();
    Q_EMIT canceled();
    stopLookup();
    close();
}

void TMailSocket::stopLookup() {
    if (m_lookupId < 0)
        return;
    QHostInfo::abortHostLookup(m_lookupId);
    m_lookupId = -1;
}

void TMailSocket::checkCanceled() {
    if (m_wait.interrupted())
        failCanceled();
}

void TMailSocket::requireConnection() {
    if (!isConnected())
        failSocket(QStringLiteral("You have to connect to the server first"));
}

void TMailSocket::failSocket(const QString& text) {
    Q_EMIT error(text);
    close();
    throw ESocketError(text);
}

void TMailSocket::failSocket(int number) {
    failSocket(SocketErrors::text(number));
}

void TMailSocket::failCanceled() {
    const QString text = QStringLiteral("Operation has been canceled");
    Q_EMIT error(text);
    throw ECanceledError(text);
}

void TMailSocket::failTimedOut() {
    const QString text = QStringLiteral("Operation timed out");
    Q_EMIT error(text);
    stopLookup();
    close();
    throw ETimedOutError(text);
}
