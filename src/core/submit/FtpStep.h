#pragma once

#include "submit/FtpUploader.h"
#include "submit/PostingStep.h"

#include <memory>

struct Workspace;

// The run's FTP slot: one attempt is a logon, the uploads and a logoff; the run repeats it as
// FTPRetries allows.
class FtpStep : public PostingStep {
public:
    FtpStep(const Workspace& paths, RunView& view) : m_paths(paths), m_view(view) {}

    void prepare(const RunSettings& settings) override;
    bool run(const PostingJob& job) override;
    void abort(Abort reason) override;

private:
    const Workspace& m_paths;
    RunView& m_view;
    std::unique_ptr<FtpUploader> m_uploader;
};
