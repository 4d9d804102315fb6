#pragma once

#include "submit/MailPoster.h"
#include "submit/PostingStep.h"

#include <memory>

class TReportsFrm;
struct Workspace;

// The run's e-mail slot: the submission mail or the copy to the company contact, with the
// mail's events on the site's report page.
class MailStep : public PostingStep {
public:
    MailStep(const Workspace& paths, RunView& view, TReportsFrm& reports)
        : m_paths(paths), m_view(view), m_reports(reports) {}

    void prepare(const RunSettings& settings) override;
    bool run(const PostingJob& job) override;
    // Skip stops the mail being sent; a Cancel lets it finish.
    void abort(Abort reason) override;

private:
    const Workspace& m_paths;
    RunView& m_view;
    TReportsFrm& m_reports;
    std::unique_ptr<MailPoster> m_poster;
};
