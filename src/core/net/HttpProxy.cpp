#include "net/HttpProxy.h"

#include "net/TNetHTTP.h"

void HttpProxy::applyTo(TNetHTTP& http) const {
    http.setProxyServer(host);
    http.setProxyPort(port);
}
