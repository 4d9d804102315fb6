#include "net/MailText.h"

#include "net/MailTextReader.h"
#include "net/TransferEncoder.h"

void MailText::append(const QByteArray& bytes) {
    if (!m_pieces.isEmpty() && !m_pieces.last().base64)
        m_pieces.last().data.append(bytes);
    else
        m_pieces.append({bytes, false});
    m_size += bytes.size();
}

void MailText::appendBase64(const QByteArray& data) {
    m_pieces.append({data, true});
    m_size += TransferEncoder::base64Size(data.size());
}

QByteArray MailText::toByteArray() const {
    QByteArray all;
    all.reserve(m_size);
    for (MailTextReader reader(*this); !reader.atEnd();)
        all.append(reader.next(1 << 20));
    return all;
}
