#pragma once

#include "net/TransferEncoding.h"

#include <QByteArray>
#include <QByteArrayView>

// The content of an attached file as it travels: every line ended by CR LF.
class TransferEncoder {
public:
    // Base64 lines carry this many bytes: 76 characters.
    static constexpr qsizetype Base64LineBytes = 57;

    // The name written in the part's Content-Transfer-Encoding line.
    static QByteArray name(TransferEncoding encoding);
    static QByteArray encode(TransferEncoding encoding, QByteArrayView data);
    // The length of the Base64 lines for so many bytes.
    static qint64 base64Size(qint64 bytes);

private:
    static QByteArray base64Lines(QByteArrayView data);
    static QByteArray sevenBitLines(QByteArrayView data);
};
