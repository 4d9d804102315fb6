#pragma once

#include <QString>

// An engine's FTP_SERVER: a host name or address, optionally followed by ":" and a port, for
// sites that do not listen on 21.
struct FtpServerAddress {
    static constexpr quint16 DefaultPort = 21;

    QString host;
    quint16 port = DefaultPort;
    QString problem; // empty when the text could be read

    static FtpServerAddress parse(const QString& text);
};
