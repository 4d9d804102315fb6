#include "net/SendQueue.h"

#include <QSslSocket>

namespace SendQueue {

qint64 bytes(const QTcpSocket& socket) {
    const auto* ssl = qobject_cast<const QSslSocket*>(&socket);
    return socket.bytesToWrite() + (ssl ? ssl->encryptedBytesToWrite() : 0);
}

bool hasRoom(const QTcpSocket& socket, qint64 highWater) {
    // TLS encrypts all the plain bytes waiting in one go, into a buffer that grows by copying
    // itself: handing it one piece at a time keeps that buffer small and warm.
    const auto* ssl = qobject_cast<const QSslSocket*>(&socket);
    const bool pieceTaken = !ssl || !ssl->isEncrypted() || ssl->bytesToWrite() == 0;
    return pieceTaken && bytes(socket) <= highWater;
}

} // namespace SendQueue
