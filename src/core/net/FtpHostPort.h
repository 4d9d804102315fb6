#pragma once

#include <QHostAddress>
#include <QString>

// The six numbers of FTP's PORT command and PASV reply: four address bytes, port high and low.
class FtpHostPort {
public:
    // "h1,h2,h3,h4,p1,p2" for an IPv4 address.
    static QString format(const QHostAddress& address, quint16 port);
    // The six numbers after the "(" of a 227 reply, each ended by any one non-digit character.
    static bool parse(const QString& reply, QString& host, quint16& port);
};
