#include "submit/HttpPoster.h"

#include "base/ShipkitError.h"
#include "engines/SiteEngine.h"
#include "net/ENetHTTP.h"
#include "records/TextHelpers.h"
#include "reports/TReportsFrm.h"
#include "scripts/ScriptExpander.h"
#include "submit/HttpAnswer.h"
#include "submit/PostingJob.h"
#include "submit/RunSettings.h"
#include "submit/RunTrail.h"
#include "submit/RunView.h"

#include <QCoreApplication>
#include <QScopeGuard>

const QString HttpPoster::FormType = QStringLiteral("application/x-www-form-urlencoded");

namespace {

// A form that answers with a redirect has taken the submission.
bool acceptedRedirect(const QString& message) {
    return message == QLatin1String("151: 302 Found") ||
           message == QLatin1String("151: 302 Moved Temporarily") ||
           message == QLatin1String("151: 302 Document Found");
}

const QString kHardcoded = QStringLiteral("HARDCODED->FILEMINE");

} // namespace

HttpPoster::HttpPoster(RunView& view, RunTrail& trail, TReportsFrm& reports, HttpAnswer& answer)
    : m_view(view), m_trail(trail), m_reports(reports), m_answer(answer),
      m_events(m_http, view, trail, reports, answer) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(60 * 1000);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { HTTPTimerTimer(); });
}

void HttpPoster::prepare(const RunSettings& settings) {
    m_http.setProxyServer(settings.proxyHost);
    m_http.setProxyPort(settings.proxyPort);
    m_http.setTlsPolicy(TlsPolicy(settings.caFile));
    m_timer.setInterval(settings.httpTimeOutSeconds * 1000);
}

bool HttpPoster::run(const PostingJob& job) {
    // Every way out stops the timer, so a late tick never interrupts the next post.
    const auto stopTimer = qScopeGuard([this] { m_timer.stop(); });
    try {
        return PostByHttp(job);
    } catch (const std::exception& e) {
        return failed(ShipkitError::textOf(e), job.site);
    } catch (...) {
        return failed(QStringLiteral("unknown error"), job.site);
    }
}

void HttpPoster::abort(Abort) {
    m_http.setAction(httpIdle);
}

void HttpPoster::HTTPTimerTimer() {
    m_timedOut = true;
    m_http.setAction(httpIdle);
    m_timer.stop();
}

void HttpPoster::setStatus(const QString& text) {
    m_view.setStatus(RunView::Method::Http, text);
}

void HttpPoster::logBoth(const QString& text) {
    m_trail.AddRunLog(text);
    m_reports.AddLogLine(text);
}

void HttpPoster::idleAndSettle() {
    m_http.setAction(httpIdle);
    QCoreApplication::processEvents();
}

bool HttpPoster::PostByHttp(const PostingJob& job) {
    // The answer of an earlier site must never show on this site's page.
    m_answer.clear();
    const SiteEngine& engine = *job.engine;
    if (engine.scripts[SiteEngine::HttpNew].contains(kHardcoded) ||
        engine.scripts[SiteEngine::HttpUpdate].contains(kHardcoded)) {
        logBoth(QStringLiteral("HTTP posting is not available for: ") + job.site);
        return false;
    }
    setStatus(QStringLiteral("Preparing to Post to ") + job.site);
    m_http.setContentType(FormType);
    const QString address = formAddress(job);
    const std::optional<QString> script = formScript(job);
    if (!script)
        return false;
    setStatus(QStringLiteral("HTTP Posting: ") + job.site);
    return send(job, address, TextHelpers::EncodeSpaces(*script));
}

QString HttpPoster::formAddress(const PostingJob& job) const {
    const QString raw = job.engine->text(job.newListing ? QStringLiteral("HTTP_NEW_SCRIPT_URL")
                                                        : QStringLiteral("HTTP_UPDATE_SCRIPT_URL"));
    // An address that cannot be expanded is used as it stands.
    try {
        ScriptExpander expander(job.context);
        const QString expanded = expander.ExpandText(raw, true);
        return expander.ScriptError() ? raw : expanded;
    } catch (const std::exception&) {
        return raw;
    }
}

std::optional<QString> HttpPoster::formScript(const PostingJob& job) {
    QString script =
        job.engine->scripts[job.newListing ? SiteEngine::HttpNew : SiteEngine::HttpUpdate];
    TextHelpers::StripLeadingSpaces(script);
    if (script.isEmpty()) {
        logBoth(QStringLiteral("No Engine Script For HTTP Post For: ") + job.site);
        m_trail.AddRunLog(QStringLiteral("Unable to post HTTP to: ") + job.site);
        return std::nullopt;
    }
    bool ok = false;
    QString expanded;
    try {
        ScriptExpander expander(job.context);
        expanded = expander.ExpandText(script, true);
        ok = !expander.ScriptError();
    } catch (const std::exception&) {
        ok = false;
    }
    if (ok)
        return expanded;
    m_reports.AddLogLine(QStringLiteral("SCRIPT ERROR FOR ") + job.site);
    m_trail.AddRunLog(QStringLiteral("Unable to post HTTP to: ") + job.site);
    return std::nullopt;
}

bool HttpPoster::send(const PostingJob& job, const QString& address, const QString& form) {
    m_timedOut = false;
    m_timer.start();
    try {
        dispatch(job, address, form);
    } catch (const ENetHTTP& e) {
        m_timer.stop();
        return refused(e.message(), job.site);
    }
    m_timer.stop();
    return sent(job);
}

void HttpPoster::dispatch(const PostingJob& job, const QString& address, const QString& form) {
    m_reports.AddLogLine(QStringLiteral("Post Data:"));
    if (job.engine->number(QStringLiteral("HTTP_POST_TYPE")) == 2) {
        const QString query = TextHelpers::EncodeLineBreaks(form);
        m_reports.AddLogLine(query);
        return request(address + query, QByteArray(), httpGet);
    }
    m_reports.AddLogLine(form);
    request(address, form.toUtf8(), httpPost);
}

void HttpPoster::request(const QString& url, const QByteArray& body, TNetHTTPActions action) {
    m_http.setURL(url);
    m_http.setPostData(body);
    m_http.setAction(action);
}

bool HttpPoster::sent(const PostingJob& job) {
    if (m_timedOut) {
        logBoth(QStringLiteral("Posting Error - TIMED OUT!(") + job.site + u')');
        m_http.setAction(httpIdle);
        return false;
    }
    setStatus(QStringLiteral("Posted on ") + job.site);
    m_trail.AddRunLog(QStringLiteral("Completed HTTP Post to: ") + job.site);
    allIdle();
    idleAndSettle();
    return true;
}

bool HttpPoster::refused(const QString& message, const QString& site) {
    if (!acceptedRedirect(message))
        return failed(message, site);
    allIdle();
    idleAndSettle();
    return true;
}

bool HttpPoster::failed(const QString& message, const QString& site) {
    logBoth(QStringLiteral("Posting Error - ") + message + u'(' + site + u')');
    idleAndSettle();
    return false;
}

void HttpPoster::allIdle() {
    for (const auto method : {RunView::Method::Http, RunView::Method::Ftp, RunView::Method::Email})
        m_view.setStatus(method, QStringLiteral("Idle"));
}
