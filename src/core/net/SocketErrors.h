#pragma once

#include <QAbstractSocket>
#include <QString>

// The socket error numbers the clients report, and their texts.
class SocketErrors {
public:
    static constexpr int NotConnected = 10057;
    static constexpr int ConnectionReset = 10054;
    static constexpr int HostNotFound = 11001;

    // "[number] text." for a known number; "Ok" for 0.
    static QString text(int number);
    // Qt's error kinds mapped onto the numbers above.
    static int fromQt(QAbstractSocket::SocketError error);
};
