#pragma once

#include <QString>

class TNetHTTP;

// The proxy every HTTP client of the program goes through; an empty host means a direct
// connection.
struct HttpProxy {
    QString host;
    quint16 port = 80;

    void applyTo(TNetHTTP& http) const;
};
