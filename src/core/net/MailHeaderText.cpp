#include "net/MailHeaderText.h"

namespace {

// Bytes of text per encoded word: 60 Base64 characters, 72 with the frame, below the limit of 75.
constexpr qsizetype WordBytes = 45;

bool isAscii(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 128)
            return false;
    return true;
}

bool needsQuotes(const QString& name) {
    static const QString specials = QStringLiteral(".,;:<>@\"()[]\\");
    for (const QChar c : name)
        if (specials.contains(c))
            return true;
    return false;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

QString MailHeaderText::oneLine(const QString& value) {
    QString line = value;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return line;
}

QByteArray MailHeaderText::encodedWords(const QString& value) {
    const QByteArray utf8 = value.toUtf8();
    QByteArray out;
    for (qsizetype at = 0; at < utf8.size();) {
        qsizetype end = qMin(at + WordBytes, utf8.size());
        while (end < utf8.size() && isContinuationByte(utf8[end]))
            --end; // a character is never split between two words
        if (!out.isEmpty())
            out.append("\r\n "); // folded, so a long name or subject keeps lines short
        out.append("=?utf-8?B?" + utf8.mid(at, end - at).toBase64() + "?=");
        at = end;
    }
    return out;
}

QByteArray MailHeaderText::text(const QString& value) {
    const QString line = oneLine(value);
    return isAscii(line) ? line.toLatin1() : encodedWords(line);
}

QByteArray MailHeaderText::displayName(const QString& name) {
    const QString line = oneLine(name);
    if (!isAscii(line))
        return encodedWords(line);
    return needsQuotes(line) ? quoted(line) : line.toLatin1();
}

QByteArray MailHeaderText::line(const QString& value) {
    return oneLine(value).toUtf8();
}

QByteArray MailHeaderText::quoted(const QString& value) {
    QString inner = oneLine(value);
    inner.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return '"' + inner.toUtf8() + '"';
}
