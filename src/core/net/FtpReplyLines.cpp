#include "net/FtpReplyLines.h"

bool FtpReplyLines::take(const QString& line) {
    if (!m_last.isEmpty()) {
        if (!line.startsWith(m_last))
            return false;
        m_last.clear();
        return true;
    }
    if (line.size() >= 4 && line.at(3) == u'-') {
        m_last = line.left(3) + u' ';
        return false;
    }
    return true;
}
