// The mail writer's text read back: the header holds only its own lines, the boundary cuts
// exactly the parts written, and every part decodes to the text or the file it came from.
#include "FuzzSupport.h"
#include "net/EMessageError.h"
#include "net/TMailMessage.h"
#include "net/TMailMessageEncoder.h"

#include <random>

namespace {

// The input, cut at NUL bytes.
enum Piece { Subject, SenderName, Body, Binary, Text, PieceCount };

QByteArray quotedPrintableDecoded(const QByteArray& text) {
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
        } else if (text.mid(i + 1, 2) == "\r\n") {
            i += 2; // a soft break
        } else {
            bool ok = false;
            out += static_cast<char>(text.mid(i + 1, 2).toInt(&ok, 16));
            FuzzSupport::check(ok, "a quoted-printable escape is not hexadecimal");
            i += 2;
        }
    }
    return out;
}

// The value of a part's header line, in lower case; empty when the part has none.
QByteArray headerValue(const QByteArray& part, const QByteArray& field) {
    const QByteArray head = part.left(part.indexOf("\r\n\r\n"));
    for (const QByteArray& line : head.split('\n'))
        if (line.toLower().startsWith(QByteArray(field + ": ")))
            return line.mid(field.size() + 2).trimmed().toLower();
    return QByteArray();
}

// A part's content decoded as its Content-Transfer-Encoding line says.
QByteArray decoded(const QByteArray& part) {
    const qsizetype blank = part.indexOf("\r\n\r\n");
    FuzzSupport::check(blank >= 0, "a part has no blank line after its header");
    const QByteArray encoding = headerValue(part, "content-transfer-encoding");
    const QByteArray content = part.mid(blank + 4);
    if (encoding == "base64")
        return QByteArray::fromBase64(content);
    if (encoding == "quoted-printable")
        return quotedPrintableDecoded(content);
    return content;
}

QString bodyText(const QByteArray& part) {
    const QByteArray bytes = decoded(part);
    return headerValue(part, "content-type").contains("charset=\"utf-8\"")
               ? QString::fromUtf8(bytes)
               : QString::fromLatin1(bytes);
}

void checkHeader(const QByteArray& header) {
    QList<QByteArray> lines = header.split('\n');
    FuzzSupport::check(lines.takeLast().isEmpty(), "the header does not end with a line end");
    for (const QByteArray& line : lines) {
        FuzzSupport::check(line.endsWith('\r') && line.indexOf('\r') == line.size() - 1,
                           "a header line has a stray line break");
        FuzzSupport::check(line.size() > 1, "an empty line inside the header");
    }
}

// The parts between the boundary lines of a multipart message.
QList<QByteArray> parts(const QByteArray& header, const QByteArray& rest) {
    const QByteArray key = "boundary=\"";
    const qsizetype at = header.indexOf(key);
    FuzzSupport::check(at >= 0, "a multipart message names no boundary");
    const QByteArray boundary = header.mid(at + key.size(), 8);
    QList<QByteArray> cut = rest.split('\n'); // joined again below, cut at boundary lines
    QList<QByteArray> out;
    QByteArray current;
    bool inPart = false;
    for (const QByteArray& line : cut) {
        if (line == "--" + boundary + '\r' || line == "--" + boundary + "--\r") {
            if (inPart)
                out << current.chopped(2); // the CR LF before a boundary belongs to it
            current.clear();
            inPart = !line.endsWith("--\r");
            continue;
        }
        if (inPart)
            current += line + '\n';
    }
    return out;
}

QByteArray lineEnds(QByteArray text) {
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

QStringList bodyLines(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& line : bytes.split('\n'))
        lines << QString::fromUtf8(line).remove(u'\r');
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QList<QByteArray> piece = FuzzSupport::bytesOf(data, size).split('\0');
    piece.resize(PieceCount);
    TMailMessage message;
    message.setSubject(QString::fromUtf8(piece[Subject]));
    message.Sender().setName(QString::fromUtf8(piece[SenderName]));
    message.Sender().setAddress(QStringLiteral("me@example.com"));
    message.Recipients().add(QStringLiteral("you@example.com"), QString());
    const QStringList lines = piece[Body].isEmpty() ? QStringList() : bodyLines(piece[Body]);
    message.setBody(lines);
    message.setCharSet(size > 0 && (data[0] & 1) ? csISO8859 : csUSASCII);
    QList<QByteArray> files;
    if (!piece[Binary].isEmpty() || !piece[Text].isEmpty()) {
        const QString dir = FuzzSupport::scratchDir();
        FuzzSupport::writeFile(dir + QStringLiteral("file.bin"), piece[Binary]);
        FuzzSupport::writeFile(dir + QStringLiteral("file.txt"), piece[Text]);
        message.Attachments().add(dir + QStringLiteral("file.bin"));
        message.Attachments().add(dir + QStringLiteral("file.txt"));
        files << piece[Binary] << piece[Text];
    }
    std::minstd_rand digits(static_cast<unsigned>(size));
    MailText text;
    try {
        text = TMailMessageEncoder(MimeBoundary([&] { return int(digits() % 9); })).encode(message);
    } catch (const EMessageError&) {
        return 0; // a paragraph too long for quoted-printable
    }
    const QByteArray bytes = text.toByteArray();
    FuzzSupport::check(bytes.size() == text.size(), "the text's size is not its length");
    const qsizetype blank = bytes.indexOf("\r\n\r\n");
    FuzzSupport::check(blank >= 0, "the header never ends");
    const QByteArray header = bytes.left(blank + 2);
    checkHeader(header);
    const QString body = lines.isEmpty() ? QString() : lines.join(QStringLiteral("\r\n")) + "\r\n";
    if (files.isEmpty()) {
        FuzzSupport::check(bodyText(bytes) == body, "the body reads back differently");
        return 0;
    }
    const QList<QByteArray> found = parts(header, bytes.mid(blank + 4));
    const qsizetype first = lines.isEmpty() ? 0 : 1;
    FuzzSupport::check(found.size() == first + files.size(), "the boundary cut other parts");
    if (first)
        FuzzSupport::check(bodyText(found[0]) == body, "the body part reads back differently");
    FuzzSupport::check(decoded(found[first]) == files[0], "a binary file reads back differently");
    // A text file travels in lines: its line ends arrive as CR LF.
    FuzzSupport::check(lineEnds(decoded(found[first + 1])) == lineEnds(files[1]),
                       "a text file reads back differently");
    return 0;
}
