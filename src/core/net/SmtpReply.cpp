#include "net/SmtpReply.h"

int SmtpReply::codeOf(const QByteArray& line) {
    if (line.size() < 3)
        return -1;
    for (qsizetype i = 0; i < 3; ++i)
        if (line[i] < '0' || line[i] > '9')
            return -1;
    return line.left(3).toInt();
}

bool SmtpReply::add(const QByteArray& line) {
    if (line.size() > MaxLineLength || ++m_lines > MaxLines) {
        m_tooLong = true;
        return false;
    }
    m_text = QString::fromUtf8(line);
    m_lineTexts.append(m_text.mid(4));
    if (m_lines == 1) {
        m_code = codeOf(line);
        if (line.size() >= 4 && line[3] == '-') {
            m_prefix = line.left(3);
            return false;
        }
        m_complete = true;
        return true;
    }
    m_complete = line.startsWith(m_prefix) && (line.size() == 3 || line[3] == ' ');
    return m_complete;
}
