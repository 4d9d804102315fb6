#include "net/MailTextReader.h"

#include "net/TransferEncoder.h"

QByteArray MailTextReader::next(qsizetype max) {
    const MailText::Piece& piece = m_text.m_pieces.at(m_piece);
    const qsizetype left = piece.data.size() - m_offset;
    const qsizetype lineBytes = TransferEncoder::Base64LineBytes;
    const qsizetype take =
        piece.base64 ? qMin(left, qMax<qsizetype>(1, max / (lineBytes / 3 * 4 + 2)) * lineBytes)
                     : qMin(left, max);
    const QByteArrayView slice = QByteArrayView(piece.data).sliced(m_offset, take);
    m_offset += take;
    if (m_offset == piece.data.size()) {
        ++m_piece;
        m_offset = 0;
    }
    return piece.base64 ? TransferEncoder::encode(TransferEncoding::Base64, slice)
                        : slice.toByteArray();
}
