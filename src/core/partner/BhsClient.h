#pragma once

#include "net/HttpProxy.h"
#include "net/TNetHTTP.h"

#include <QObject>

class QTimer;

// One partner dialog's exchange with the partner site: its own HTTP client and a 90-second
// timer that stops a request left unanswered. An answer above MaxAnswer bytes is cut off and
// fails the request, so a server cannot fill the memory.
class BhsClient : public QObject {
    Q_OBJECT
public:
    static constexpr int TimeOutMs = 90000;
    static constexpr qint64 MaxAnswer = 1 << 20;
    static constexpr const char* AccountListPage = "/additem1.asp";
    static constexpr const char* NewAccountPage = "/additem2.asp";

    // baseUrl: the site's address without a page ("PARTNERURL").
    BhsClient(const QString& baseUrl, const HttpProxy& proxy, const TlsPolicy& tls = TlsPolicy(),
              QObject* parent = nullptr);

    // The answer's text. Both raise ShipkitError with the reason.
    QString get(const char* page);
    QString post(const char* page, const QByteArray& body);
    // Stops a request in progress (its dialog is closing); the request then raises.
    void cancel();

Q_SIGNALS:
    // "(Connected To BHS)", "(Received 512 bytes)" and the like.
    void status(const QString& text);

private:
    QString exchange(const char* page, TNetHTTPActions action);
    void onTransfer(qint64 total, const QByteArray& chunk);
    void stop(const QString& reason);

    QString m_base;
    TNetHTTP m_http;
    QTimer* m_timer;
    QByteArray m_received;
    QString m_stopReason;
};
