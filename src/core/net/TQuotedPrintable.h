#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Quoted-printable, paragraph by paragraph: long paragraphs are cut at a space where one is near,
// and control bytes, "=" and bytes of 128 or more are written in hexadecimal.
class TQuotedPrintable {
public:
    static constexpr qsizetype MaxParagraph = 24575;
    static constexpr qsizetype PieceLength = 65;

    // Every output line ends with CR LF. A text that stops in the middle of a line ends with a
    // soft break, so the receiver gets exactly these bytes back. Raises EMessageError
    // "Paragraph is too large".
    static QByteArray encode(QByteArrayView text);

private:
    static void encodeParagraph(QByteArrayView paragraph, QByteArray& out);
    static void escape(QByteArrayView piece, QByteArray& out);
};
