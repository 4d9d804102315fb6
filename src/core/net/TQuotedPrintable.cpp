#include "net/TQuotedPrintable.h"

#include "net/EMessageError.h"
#include "net/TextLines.h"

namespace {

const char Hex[] = "0123456789ABCDEF";

void appendHex(unsigned char byte, QByteArray& out) {
    const char code[3] = {'=', Hex[byte >> 4], Hex[byte & 15]};
    out.append(code, 3);
}

} // namespace

QByteArray TQuotedPrintable::encode(QByteArrayView text) {
    const TextLines paragraphs(text);
    QByteArray out;
    out.reserve(text.size() + text.size() / 8 + 16);
    for (const QByteArrayView paragraph : paragraphs.lines()) {
        if (paragraph.size() > MaxParagraph)
            throw EMessageError(QStringLiteral("Paragraph is too large"));
        encodeParagraph(paragraph, out);
        out.append("\r\n");
    }
    if (!paragraphs.endsWithBreak())
        out.insert(out.size() - 2, '=');
    return out;
}

void TQuotedPrintable::encodeParagraph(QByteArrayView paragraph, QByteArray& out) {
    while (paragraph.size() > PieceLength) {
        const qsizetype space = paragraph.first(PieceLength).lastIndexOf(' ');
        const qsizetype length = space >= 0 ? space + 1 : PieceLength;
        escape(paragraph.first(length), out);
        out.append("=\r\n");
        paragraph = paragraph.sliced(length);
    }
    // A space at the end of a line may be stripped on the way; written as =20 it survives.
    if (paragraph.endsWith(' ')) {
        escape(paragraph.chopped(1), out);
        appendHex(' ', out);
        return;
    }
    escape(paragraph, out);
}

void TQuotedPrintable::escape(QByteArrayView piece, QByteArray& out) {
    for (const char c : piece) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || byte == '=' || byte >= 128)
            appendHex(byte, out);
        else
            out.append(c);
    }
}
