#include "net/TransferEncoder.h"

#include "net/TQuotedPrintable.h"
#include "net/TextLines.h"

QByteArray TransferEncoder::name(TransferEncoding encoding) {
    switch (encoding) {
    case TransferEncoding::SevenBit:
        return QByteArrayLiteral("7 bit");
    case TransferEncoding::QuotedPrintable:
        return QByteArrayLiteral("Quoted-Printable");
    case TransferEncoding::Base64:
        break;
    }
    return QByteArrayLiteral("Base64");
}

QByteArray TransferEncoder::encode(TransferEncoding encoding, QByteArrayView data) {
    switch (encoding) {
    case TransferEncoding::SevenBit:
        return sevenBitLines(data);
    case TransferEncoding::QuotedPrintable:
        return TQuotedPrintable::encode(data);
    case TransferEncoding::Base64:
        break;
    }
    return base64Lines(data);
}

qint64 TransferEncoder::base64Size(qint64 bytes) {
    return (bytes + 2) / 3 * 4 + (bytes + Base64LineBytes - 1) / Base64LineBytes * 2;
}

// Written straight into the lines: a whole file goes through here, so no second pass.
QByteArray TransferEncoder::base64Lines(QByteArrayView data) {
    static constexpr char Alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray out(base64Size(data.size()), Qt::Uninitialized);
    const auto* in = reinterpret_cast<const uchar*>(data.data());
    char* to = out.data();
    for (qsizetype line = 0; line < data.size(); line += Base64LineBytes) {
        const qsizetype end = qMin(line + Base64LineBytes, data.size());
        qsizetype i = line;
        for (; i + 3 <= end; i += 3) {
            const quint32 v = quint32(in[i]) << 16 | quint32(in[i + 1]) << 8 | in[i + 2];
            to[0] = Alphabet[v >> 18];
            to[1] = Alphabet[v >> 12 & 63];
            to[2] = Alphabet[v >> 6 & 63];
            to[3] = Alphabet[v & 63];
            to += 4;
        }
        if (i < end) {
            const bool two = i + 1 < end;
            const quint32 v = quint32(in[i]) << 16 | (two ? quint32(in[i + 1]) << 8 : 0);
            to[0] = Alphabet[v >> 18];
            to[1] = Alphabet[v >> 12 & 63];
            to[2] = two ? Alphabet[v >> 6 & 63] : '=';
            to[3] = '=';
            to += 4;
        }
        to[0] = '\r';
        to[1] = '\n';
        to += 2;
    }
    return out;
}

QByteArray TransferEncoder::sevenBitLines(QByteArrayView data) {
    QByteArray out;
    out.reserve(data.size() + 2);
    const TextLines split(data);
    for (const QByteArrayView line : split.lines()) {
        out.append(line);
        out.append("\r\n");
    }
    return out;
}
