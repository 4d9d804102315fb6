#include "support/FileSizeLimit.h"

#include <stdexcept>

FileSizeLimit::FileSizeLimit(qint64 bytes) {
    if (getrlimit(RLIMIT_FSIZE, &m_saved) != 0)
        throw std::runtime_error("cannot read the file size limit");
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = m_saved;
    lowered.rlim_cur = static_cast<rlim_t>(bytes);
    if (setrlimit(RLIMIT_FSIZE, &lowered) != 0)
        throw std::runtime_error("cannot lower the file size limit");
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}

void FileSizeLimit::applyForGood(qint64 bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), static_cast<rlim_t>(bytes)};
    setrlimit(RLIMIT_FSIZE, &limit);
}
