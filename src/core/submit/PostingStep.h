#pragma once

struct PostingJob;
struct RunSettings;

// One way of posting a site (FTP upload, HTTP form, e-mail), owning its client. The run calls
// it; Skip and Cancel reach it through abort() while it waits.
class PostingStep {
public:
    enum class Abort { Skip, Cancel };

    virtual ~PostingStep() = default;

    // Once per run, before the first site.
    virtual void prepare(const RunSettings& settings) = 0;
    // One attempt; true when the site took it. A throw counts as a failed attempt.
    virtual bool run(const PostingJob& job) = 0;
    // Ends the attempt in progress, if the reason concerns this step.
    virtual void abort(Abort reason) = 0;
    // The site's last attempt is over (a connection kept for retries can go).
    virtual void finishSite() {}
};
