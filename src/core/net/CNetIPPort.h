#pragma once

#include "net/CWinsock.h"
#include "net/TlsPolicy.h"

#include <QAbstractSocket>
#include <QHostAddress>

class QSslError;
class QTcpSocket;

// One TCP connection: remote host and port, connect and close, sending with back-pressure,
// and the connection's events. What arrives is handed to dataArrived().
class CNetIPPort : public CWinsock {
    Q_OBJECT
public:
    // Bytes queued in the socket before sending waits. A performance setting: big enough that
    // the kernel never runs dry on loopback, small enough that a big file is not copied whole.
    static constexpr qint64 HighWater = 4 << 20;
    // Largest piece handed to the socket at once (performance only).
    static constexpr qsizetype SliceSize = 256 * 1024;

    explicit CNetIPPort(WaitLoop* wait = nullptr, QObject* parent = nullptr);

    const QString& RemoteHost() const { return m_remoteHost; }
    void setRemoteHost(const QString& host);
    quint16 RemotePort() const { return m_remotePort; }
    void setRemotePort(quint16 port);
    bool isConnected() const { return m_state == State::Connected; }
    bool isOpen() const { return m_state != State::Closed; }
    QHostAddress localAddress() const;
    QHostAddress peerAddress() const;
    // The authorities TLS connections are checked against.
    const TlsPolicy& tlsPolicy() const { return m_tls; }
    void setTlsPolicy(const TlsPolicy& policy) { m_tls = policy; }
    bool isEncrypted() const;
    // Why the last TLS handshake failed ("certificate has expired"); "" when it did not.
    const QString& tlsFailure() const { return m_tlsFailure; }
    // For the connections started from now on: the TLS handshake follows the TCP connect, and
    // the connection counts as open only once it is encrypted.
    void setImplicitTls(bool on) { m_implicitTls = on; }
    // An implicit TLS handshake waits for releaseTls() (an FTP server that connected to us
    // before the transfer command may not be ready to answer one yet).
    void holdTls(bool hold) { m_holdTls = hold; }
    void releaseTls();
    // The name the certificate must carry on an implicit TLS connection; "" for RemoteHost.
    void setTlsPeerName(const QString& name) { m_tlsPeerName = name; }
    // A session of an earlier connection to resume (FTP data connections reuse the control's).
    void setTlsSession(const QByteArray& ticket) { m_tlsSession = ticket; }
    QByteArray tlsSession() const;

Q_SIGNALS:
    // OnConnected: 0 and "OK", or the socket error of a failed connect.
    void connected(int code, const QString& description);
    // OnDisconnected: 0 and "OK", or the error that ended the connection.
    void disconnected(int code, const QString& description);

protected:
    // Starts connecting without waiting. 0, or a layer error, Interrupted or a look-up error.
    int startConnect();
    bool implicitTls() const { return m_implicitTls; }
    // Starts the TLS handshake on the open connection; peerName must match the certificate.
    // 0, or TlsFailed with tlsFailure() set.
    int startTls(const QString& peerName);
    bool isSecuring() const { return m_securing; }
    // Records the reason and gives TlsFailed.
    int tlsError(const QString& reason);
    bool isConnecting() const { return m_state == State::Connecting; }
    int connectError() const { return m_connectError; }
    int closeError() const { return m_closeError; }
    // Takes over a socket accepted by a listener.
    void adoptSocket(QTcpSocket* socket);
    // Queues the bytes; waits while more than HighWater is queued. 0 or an error number.
    int sendBytes(const QByteArray& bytes);
    qint64 queuedBytes() const;
    // Ends the connection at once.
    void closeConnection();
    // Sends what is queued, then closes.
    void finishSending();
    QTcpSocket* socket() const { return m_socket; }

    virtual void dataArrived(const QByteArray& data) { Q_UNUSED(data) }
    // An error other than the peer's close while connected.
    virtual void receiveError(int number) { Q_UNUSED(number) }
    // The connection has closed; runs before disconnected() fires.
    virtual void connectionClosed() {}
    // Queued bytes went out.
    virtual void bytesSent(qint64 count) { Q_UNUSED(count) }
    // The connection is open; runs before connected() fires.
    virtual void connectionOpened() {}
    // Sends bytes as TCP urgent data, after everything queued before them. 0 or an error.
    int sendUrgent(const QByteArray& bytes);

private:
    enum class State { Closed, Connecting, Connected };

    void wire(QTcpSocket* socket);
    void onConnected();
    void opened();
    void onEncrypted();
    void onSslErrors(const QList<QSslError>& errors);
    void onReadyRead();
    void onError(QAbstractSocket::SocketError error);
    void onBytesWritten(qint64 count);
    bool hasRoom() const;
    void handleClosed();

    QTcpSocket* m_socket = nullptr;
    State m_state = State::Closed;
    QString m_remoteHost;
    quint16 m_remotePort = 0;
    int m_connectError = 0;
    int m_closeError = 0;
    TlsPolicy m_tls;
    bool m_implicitTls = false;
    bool m_securing = false;
    bool m_holdTls = false;
    bool m_tlsHeld = false;
    bool m_awaitingRoom = false;
    QString m_tlsFailure;
    QString m_tlsPeerName;
    QByteArray m_tlsSession;
};
