#include "net/MailTranscript.h"

#include "records/AtomicWrite.h"

bool MailTranscript::save(const QString& path) const {
    QByteArray text;
    for (const QString& line : m_lines)
        text += line.toUtf8() + "\r\n";
    return writeFileAtomically(path, text).isEmpty();
}
