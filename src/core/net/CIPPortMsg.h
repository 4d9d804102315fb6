#pragma once

#include "net/CNetIPPort.h"
#include "net/LineSplitter.h"

#include <deque>
#include <functional>

// Blocking request and answer over one connection: the waits, their interruption, the lines of
// a control connection and the last reply line.
class CIPPortMsg : public CNetIPPort {
    Q_OBJECT
public:
    static constexpr int Interrupted = 301;
    static constexpr int MaxReplyLength = 1024;

    using CNetIPPort::CNetIPPort;

    const QString& LastReply() const { return m_lastReply; }
    // Ends every wait in progress with 301 "Interrupted".
    void interrupt() { waiter().interrupt(); }

protected:
    // An interrupt meant for an earlier action must not end this one, unless this one runs
    // inside a wait (started by an event handler), where the interrupt is still meant.
    void beginAction();
    // Resolves, connects and waits for the connect. 0 or an error number.
    int connectAndWait();
    // Upgrades the open connection to TLS and waits for the handshake. 0, TlsFailed or 301.
    int secureAndWait(const QString& peerName);
    // Waits for the next received line. 0; 301 on interrupt or when the connection closed;
    // -1 when stop() became true first.
    int waitForLine(QByteArray& line, const std::function<bool()>& stop = {});
    // Waits for the peer to close. 0 or 301.
    int waitForClose();
    // 0 once done() holds, 301 on interrupt.
    int waitFor(const std::function<bool()>& done);
    // Records an error of the socket layer with its text (Interrupted, the layer errors, socket
    // errors).
    void setLayerError(int number);
    void setLastReply(const QString& line) { m_lastReply = line.left(MaxReplyLength); }
    // A line cut off by a close has no end and is not delivered: a reply broken off in the
    // middle must not pass for a whole one.
    void dataArrived(const QByteArray& data) override;
    void clearLines();

private:
    std::deque<QByteArray> m_lines;
    LineSplitter m_splitter;
    QString m_lastReply;
};
