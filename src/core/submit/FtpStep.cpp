#include "submit/FtpStep.h"

#include "base/ShipkitError.h"
#include "submit/PostingJob.h"
#include "submit/RunSettings.h"

void FtpStep::prepare(const RunSettings& settings) {
    // The run counts the attempts, so the uploader makes one each time it is asked.
    m_uploader = std::make_unique<FtpUploader>(m_paths, m_view,
                                               FtpUploader::Limits{0, settings.ftpTimeOutSeconds});
    m_uploader->setTlsPolicy(TlsPolicy(settings.caFile));
}

bool FtpStep::run(const PostingJob& job) {
    if (!m_uploader || !job.context.app)
        throw ShipkitError(QStringLiteral("The FTP step was not prepared for this run."));
    return m_uploader->UploadWithRetries(*job.engine, *job.context.app, job.context);
}

void FtpStep::abort(Abort reason) {
    if (!m_uploader)
        return;
    if (reason == Abort::Skip)
        m_uploader->Skip();
    else
        m_uploader->Abort();
}
