#pragma once

#include <QObject>

class HttpAnswer;
class RunTrail;
class RunView;
class TNetHTTP;
class TReportsFrm;

// The HTTP client's events during a post: each one a line of the site's report page; the
// site's answer is kept for that page and its size shown as it grows.
class HttpEventTrail : public QObject {
public:
    HttpEventTrail(TNetHTTP& http, RunView& view, RunTrail& trail, TReportsFrm& reports,
                   HttpAnswer& answer);

private:
    void HTTP1Connected(int code, const QString& description);
    void HTTP1Disconnected(int code, const QString& description);
    void HTTP1StartTransfer();
    void HTTP1Transfer(qint64 bytes, const QByteArray& chunk);
    void HTTP1EndTransfer();
    void HTTP1Error(int code, const QString& description);
    // host + "[" + code + " - " + description + "]"
    QString hostAndStatus(int code, const QString& description) const;
    QString host() const;

    TNetHTTP& m_http;
    RunView& m_view;
    RunTrail& m_trail;
    TReportsFrm& m_reports;
    HttpAnswer& m_answer;
};
