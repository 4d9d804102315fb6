#include "net/CIPPortMsg.h"

void CIPPortMsg::setLayerError(int number) {
    switch (number) {
    case Interrupted:
        return setError(number, QStringLiteral("Interrupted"));
    case InvalidAddress:
        return setError(number, QStringLiteral("The RemoteHost address is invalid (0.0.0.0)."));
    case AlreadyConnected:
        return setError(number, QStringLiteral("Already connected. If you want to reconnect, "
                                               "close the current connection first."));
    case TlsFailed:
        return setError(number, QStringLiteral("TLS: ") + tlsFailure());
    case NoPort:
        return setError(number, QStringLiteral("RemotePort can't be zero. Please specify a valid "
                                               "service port number."));
    default:
        return setError(number); // the socket table gives the text
    }
}

void CIPPortMsg::beginAction() {
    if (!waiter().busy())
        waiter().clearInterrupt();
}

int CIPPortMsg::connectAndWait() {
    clearLines();
    if (const int err = startConnect())
        return err;
    if (waitFor([this] { return !isConnecting(); }) != 0) {
        closeConnection();
        return Interrupted;
    }
    return isConnected() ? 0 : connectError();
}

int CIPPortMsg::secureAndWait(const QString& peerName) {
    clearLines();
    if (const int err = startTls(peerName))
        return err;
    if (waitFor([this] { return !isSecuring() || !isConnected(); }) != 0) {
        closeConnection();
        return Interrupted;
    }
    if (isEncrypted())
        return 0;
    closeConnection();
    return tlsFailure().isEmpty()
               ? tlsError(QStringLiteral("the connection closed during the handshake"))
               : TlsFailed;
}

int CIPPortMsg::waitForLine(QByteArray& line, const std::function<bool()>& stop) {
    bool stopped = false;
    const int err = waitFor([&] {
        if (!m_lines.empty() || !isConnected())
            return true;
        stopped = stop && stop();
        return stopped;
    });
    if (err != 0)
        return err;
    if (!m_lines.empty()) {
        line = m_lines.front();
        m_lines.pop_front();
        return 0;
    }
    return stopped ? -1 : Interrupted;
}

int CIPPortMsg::waitForClose() {
    return waitFor([this] { return !isOpen(); });
}

int CIPPortMsg::waitFor(const std::function<bool()>& done) {
    return waiter().run(done) ? 0 : Interrupted;
}

void CIPPortMsg::dataArrived(const QByteArray& data) {
    m_splitter.append(data);
    QByteArray line;
    while (m_splitter.nextLine(line))
        m_lines.push_back(line);
}

void CIPPortMsg::clearLines() {
    m_lines.clear();
    m_splitter.reset();
}
