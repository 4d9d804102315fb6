#include "net/TransferEncoder.h"

#include "net/TQuotedPrintable.h"
#include "net/TextLines.h"

#include <cstring>

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

QByteArray TransferEncoder::base64Lines(QByteArrayView data) {
    static constexpr qsizetype LineChars = Base64LineBytes / 3 * 4;
    const QByteArray flat = QByteArray::fromRawData(data.data(), data.size()).toBase64();
    QByteArray out(flat.size() + (flat.size() + LineChars - 1) / LineChars * 2, Qt::Uninitialized);
    char* to = out.data();
    for (qsizetype at = 0; at < flat.size(); at += LineChars) {
        const qsizetype length = qMin(LineChars, flat.size() - at);
        std::memcpy(to, flat.constData() + at, static_cast<size_t>(length));
        to += length;
        *to++ = '\r';
        *to++ = '\n';
    }
    return out;
}

QByteArray TransferEncoder::sevenBitLines(QByteArrayView data) {
    QByteArray out;
    out.reserve(data.size() + 2);
    for (const QByteArrayView line : TextLines(data).lines()) {
        out.append(line);
        out.append("\r\n");
    }
    return out;
}
