#include "submit/FtpTranscript.h"

#include "submit/RunView.h"

void FtpTranscript::clear() {
    m_lines.clear();
    m_view.clearFtpLog();
}

void FtpTranscript::add(const QString& line) {
    if (m_lines.size() > MaxLines)
        return;
    const QString shown =
        m_lines.size() < MaxLines
            ? line
            : QStringLiteral("INFO: Transcript cut off after %1 lines.").arg(MaxLines);
    m_lines << shown;
    m_view.AddFtpLog(shown);
}
