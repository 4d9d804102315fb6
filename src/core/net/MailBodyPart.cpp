#include "net/MailBodyPart.h"

#include "net/TQuotedPrintable.h"
#include "net/TextLines.h"

namespace {

bool fits(const QString& text, char16_t limit) {
    for (const QChar c : text)
        if (c.unicode() > limit)
            return false;
    return true;
}

bool hasLongLine(const QByteArray& text) {
    const TextLines split(text);
    for (const QByteArrayView line : split.lines())
        if (line.size() >= MailBodyPart::LongLine)
            return true;
    return false;
}

QByteArray contentLines(const QByteArray& charset, const QByteArray& encoding) {
    return "Content-Type: text/plain; charset=\"" + charset +
           "\"\r\nContent-Transfer-Encoding: " + encoding + "\r\n";
}

} // namespace

MailBodyPart::MailBodyPart(const QStringList& lines, TCharSet charSet) {
    const QString text = lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + "\r\n";
    QByteArray charset, bytes;
    if (charSet == csUSASCII && fits(text, 127)) {
        charset = "us-ascii";
        bytes = text.toLatin1();
    } else if (charSet == csISO8859 && fits(text, 255)) {
        charset = "iso-8859-1";
        bytes = text.toLatin1();
    } else {
        // Text the chosen set cannot hold goes as UTF-8 rather than with question marks.
        charset = "utf-8";
        bytes = text.toUtf8();
    }
    if (charset == "us-ascii" && !hasLongLine(bytes)) {
        m_headers = contentLines(charset, "7bit");
        const TextLines split(bytes);
        for (const QByteArrayView line : split.lines())
            m_content.append(line).append("\r\n");
        return;
    }
    m_headers = contentLines(charset, "quoted-printable");
    m_content = TQuotedPrintable::encode(bytes);
}
