#include "partner/BhsClient.h"

#include "base/ScopeGuard.h"
#include "net/ENetHTTP.h"
#include "records/TextCodec.h"

#include <QTimer>

BhsClient::BhsClient(const QString& baseUrl, const HttpProxy& proxy, const TlsPolicy& tls,
                     QObject* parent)
    : QObject(parent), m_base(baseUrl.trimmed()), m_timer(new QTimer(this)) {
    while (m_base.endsWith(u'/'))
        m_base.chop(1);
    proxy.applyTo(m_http);
    m_http.setTlsPolicy(tls);
    m_timer->setObjectName(QStringLiteral("BHSTimer"));
    m_timer->setInterval(TimeOutMs);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("The BHS server did not answer within %1 seconds.")
                 .arg(m_timer->interval() / 1000));
    });
    connect(&m_http, &TNetHTTP::connected, this, [this](int code, const QString&) {
        Q_EMIT status(code == 0 ? QStringLiteral("(Connected To BHS)")
                                : QStringLiteral("(Connection Error)"));
    });
    connect(&m_http, &TNetHTTP::startTransfer, this,
            [this] { Q_EMIT status(QStringLiteral("(Receiving Data From BHS)")); });
    connect(&m_http, &TNetHTTP::transfer, this, &BhsClient::onTransfer);
    connect(&m_http, &TNetHTTP::endTransfer, this,
            [this] { Q_EMIT status(QStringLiteral("(Parsing Data From BHS)")); });
    connect(&m_http, &TNetHTTP::error, this,
            [this] { Q_EMIT status(QStringLiteral("(Connection Error)")); });
}

QString BhsClient::get(const char* page) {
    return exchange(page, httpGet);
}

QString BhsClient::post(const char* page, const QByteArray& body) {
    m_http.setContentType(QStringLiteral("application/x-www-form-urlencoded"));
    m_http.setPostData(body);
    return exchange(page, httpPost);
}

QString BhsClient::exchange(const char* page, TNetHTTPActions action) {
    m_received.clear();
    m_stopReason.clear();
    m_http.setURL(m_base + QLatin1String(page));
    m_timer->start();
    const ScopeGuard stopTimer([this] { m_timer->stop(); });
    try {
        m_http.setAction(action);
    } catch (const ENetHTTP& error) {
        Q_EMIT status(QStringLiteral("(Connection Error)"));
        throw ShipkitError(m_stopReason.isEmpty() ? error.message() : m_stopReason);
    }
    if (!m_stopReason.isEmpty())
        throw ShipkitError(m_stopReason);
    return TextCodec::decode(m_received);
}

void BhsClient::cancel() {
    stop(QStringLiteral("The request was cancelled."));
}

void BhsClient::onTransfer(qint64 total, const QByteArray& chunk) {
    if (total > MaxAnswer)
        return stop(QStringLiteral("The BHS server sent more than %1 KB.").arg(MaxAnswer >> 10));
    m_received += chunk;
    Q_EMIT status(QStringLiteral("(Received %1 bytes)").arg(total));
}

void BhsClient::stop(const QString& reason) {
    if (m_stopReason.isEmpty())
        m_stopReason = reason;
    if (m_http.Action() != httpIdle)
        m_http.setAction(httpIdle);
}
