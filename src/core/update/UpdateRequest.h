#pragma once

#include "net/HttpProxy.h"
#include "net/TlsPolicy.h"

#include <QString>

// Where the site data archive comes from and how long a silent server is given.
struct UpdateRequest {
    QString url;
    HttpProxy proxy;
    int timeOutSeconds = 60;
    // The authorities an https address is checked against.
    TlsPolicy tls;
};
