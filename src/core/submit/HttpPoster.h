#pragma once

#include "net/TNetHTTP.h"
#include "submit/HttpEventTrail.h"
#include "submit/PostingStep.h"

#include <QTimer>
#include <optional>

class HttpAnswer;
class RunTrail;
class RunView;
class TReportsFrm;

// Posts a site's web form (PostByHttp) through one HTTP client kept for the program's life.
// HTTPTimer bounds every post; Skip, Cancel and the timer all stop the client.
class HttpPoster : public PostingStep {
public:
    static const QString FormType; // "application/x-www-form-urlencoded"

    HttpPoster(RunView& view, RunTrail& trail, TReportsFrm& reports, HttpAnswer& answer);

    void prepare(const RunSettings& settings) override;
    bool run(const PostingJob& job) override;
    void abort(Abort reason) override;

    const QTimer& HTTPTimer() const { return m_timer; }

private:
    bool PostByHttp(const PostingJob& job);
    QString formAddress(const PostingJob& job) const;
    // The expanded form script, or nullopt after the failure was logged.
    std::optional<QString> formScript(const PostingJob& job);
    bool send(const PostingJob& job, const QString& address, const QString& form);
    // POST or GET as the engine says; raises the client's error.
    void dispatch(const PostingJob& job, const QString& address, const QString& form);
    void request(const QString& url, const QByteArray& body, TNetHTTPActions action);
    // The request ended: done, unless the timer had fired.
    bool sent(const PostingJob& job);
    // The client raised its error: a failure, unless the site redirected.
    bool refused(const QString& message, const QString& site);
    bool failed(const QString& message, const QString& site);
    void allIdle();
    void HTTPTimerTimer();
    void setStatus(const QString& text);
    void idleAndSettle();
    // A line for both the run log and the report page.
    void logBoth(const QString& text);

    RunView& m_view;
    RunTrail& m_trail;
    TReportsFrm& m_reports;
    HttpAnswer& m_answer;
    TNetHTTP m_http;
    HttpEventTrail m_events;
    QTimer m_timer;
    bool m_timedOut = false;
};
