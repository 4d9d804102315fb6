#include "submit/HttpEventTrail.h"

#include "net/TNetHTTP.h"
#include "reports/TReportsFrm.h"
#include "submit/HttpAnswer.h"
#include "submit/RunTrail.h"
#include "submit/RunView.h"

HttpEventTrail::HttpEventTrail(TNetHTTP& http, RunView& view, RunTrail& trail, TReportsFrm& reports,
                               HttpAnswer& answer)
    : m_http(http), m_view(view), m_trail(trail), m_reports(reports), m_answer(answer) {
    connect(&http, &TNetHTTP::connected, this, &HttpEventTrail::HTTP1Connected);
    connect(&http, &TNetHTTP::disconnected, this, &HttpEventTrail::HTTP1Disconnected);
    connect(&http, &TNetHTTP::startTransfer, this, &HttpEventTrail::HTTP1StartTransfer);
    connect(&http, &TNetHTTP::transfer, this, &HttpEventTrail::HTTP1Transfer);
    connect(&http, &TNetHTTP::endTransfer, this, &HttpEventTrail::HTTP1EndTransfer);
    connect(&http, &TNetHTTP::error, this, &HttpEventTrail::HTTP1Error);
}

QString HttpEventTrail::host() const {
    return m_http.urlParts().host();
}

QString HttpEventTrail::hostAndStatus(int code, const QString& description) const {
    return host() + u'[' + QString::number(code) + QStringLiteral(" - ") + description + u']';
}

void HttpEventTrail::HTTP1Connected(int code, const QString& description) {
    m_reports.AddLogLine(QStringLiteral("Connected to: ") + hostAndStatus(code, description));
}

void HttpEventTrail::HTTP1Disconnected(int code, const QString& description) {
    m_reports.AddLogLine(QStringLiteral("Disconnected: ") + hostAndStatus(code, description));
}

void HttpEventTrail::HTTP1StartTransfer() {
    m_reports.AddLogLine(QStringLiteral("Start Transfer: ") + host());
    m_answer.clear();
}

void HttpEventTrail::HTTP1Transfer(qint64 bytes, const QByteArray& chunk) {
    m_view.setHttpBytes(bytes);
    // Past the cut the lines would only grow the page without telling anything new.
    if (m_answer.isCut())
        return;
    m_reports.AddLogLine(QStringLiteral("Transfered: ") + QString::number(bytes) +
                         QStringLiteral("bytes"));
    if (!m_answer.append(chunk))
        m_reports.AddLogLine(HttpAnswer::CutNote);
}

void HttpEventTrail::HTTP1EndTransfer() {
    m_reports.AddLogLine(QStringLiteral("End Transfer: ") + host());
    m_view.setHttpBytes(0);
}

void HttpEventTrail::HTTP1Error(int code, const QString& description) {
    const QString line = QStringLiteral("ERROR: ") + hostAndStatus(code, description);
    m_reports.AddLogLine(line);
    m_trail.AddRunLog(line);
}
