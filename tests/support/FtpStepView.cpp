#include "support/FtpStepView.h"

void FtpStepView::setStatus(Method method, const QString& text) {
    if (method != Method::Ftp)
        return;
    const QString bytes = QStringLiteral("Bytes Transfered: ");
    if (text.startsWith(bytes) && !ftpStatus.isEmpty() && ftpStatus.last().startsWith(bytes))
        ftpStatus.last() = text;
    else
        ftpStatus << text;
}

void FtpStepView::clearFtpLog() {
    ftpLog.clear();
    ++ftpLogClears;
}

void FtpStepView::AddFtpLog(const QString& text) {
    ftpLog << text;
    if (onFtpLine)
        onFtpLine(text);
}
