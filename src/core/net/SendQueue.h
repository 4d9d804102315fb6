#pragma once

#include <QtGlobal>

class QTcpSocket;

// What a socket holds of ours that has not gone out yet, for the clients' back-pressure.
namespace SendQueue {

// Bytes waiting in the socket, plain and, on a TLS connection, encrypted.
qint64 bytes(const QTcpSocket& socket);
// Whether a sender may hand over more: at most highWater bytes wait and, on a TLS connection,
// what was handed over last has been encrypted.
bool hasRoom(const QTcpSocket& socket, qint64 highWater);

} // namespace SendQueue
