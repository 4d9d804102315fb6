#include "partner/FormEncoding.h"

namespace FormEncoding {

QByteArray value(const QString& text) {
    static const QByteArray kReserved = "%&=+#";
    QByteArray out;
    for (const char c : text.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || kReserved.contains(c))
            out += '%' + QByteArray::number(byte, 16).toUpper().rightJustified(2, '0');
        else
            out += c;
    }
    return out;
}

} // namespace FormEncoding
