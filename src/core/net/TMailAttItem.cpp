#include "net/TMailAttItem.h"

namespace {

TransferEncoding encodingFor(const QString& contentType) {
    const QString type = contentType.toLower();
    if (type == u"text/plain" || type == u"text/rtf" || type == u"text/html")
        return TransferEncoding::QuotedPrintable;
    if (type == u"message/rfc822")
        return TransferEncoding::SevenBit;
    return TransferEncoding::Base64;
}

} // namespace

TMailAttItem::TMailAttItem(const QString& fileName, const QString& contentType,
                           const QByteArray& data)
    : m_fileName(fileName.left(MaxNameLength)), m_contentType(contentType),
      m_encoding(encodingFor(contentType)), m_data(data) {}
