#pragma once

#include "net/TMailMessage.h"

#include <QByteArray>

// The text of a message as it travels: its Content-Type and Content-Transfer-Encoding lines
// and the body lines, 7 bit when they can go as they are, quoted-printable when not.
class MailBodyPart {
public:
    // Lines this long go quoted-printable, so no line on the wire gets near the limit of SMTP.
    static constexpr qsizetype LongLine = 256;

    MailBodyPart(const QStringList& lines, TCharSet charSet);

    // The two content lines, each ended by CR LF.
    const QByteArray& headers() const { return m_headers; }
    // Every line ended by CR LF.
    const QByteArray& content() const { return m_content; }

private:
    QByteArray m_headers;
    QByteArray m_content;
};
