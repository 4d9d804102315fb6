#include "records/TextCodec.h"

#include <QStringDecoder>
#include <array>
#include <optional>

namespace {

// The 0x80-0x9F block of Windows-1252; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decodeCp1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

// Files saved in UTF-16 say so with their byte-order mark.
std::optional<QStringConverter::Encoding> utf16Encoding(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE"))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

} // namespace

namespace TextCodec {

QString decode(const QByteArray& bytes) {
    if (const auto utf16 = utf16Encoding(bytes))
        return QStringDecoder(*utf16,
                              QStringConverter::Flag::Stateless)(QByteArrayView(bytes).sliced(2));
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(view);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(view.toByteArray());
}

QString decodeToNul(const QByteArray& bytes) {
    // In UTF-16 every other byte of plain text is zero: there the NUL is a character.
    if (utf16Encoding(bytes)) {
        QString text = decode(bytes);
        const qsizetype nul = text.indexOf(QChar(0));
        return nul < 0 ? text : text.left(nul);
    }
    const qsizetype nul = bytes.indexOf('\0');
    return decode(nul < 0 ? bytes : bytes.left(nul));
}

QByteArray encode(const QString& text) {
    return text.toUtf8();
}

} // namespace TextCodec
