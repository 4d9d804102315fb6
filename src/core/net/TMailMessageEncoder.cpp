#include "net/TMailMessageEncoder.h"

#include "net/MailBodyPart.h"
#include "net/MailHeaderText.h"
#include "net/TransferEncoder.h"

namespace {

constexpr qsizetype FieldWidth = 10;

// "To:" and the like, padded so the values line up.
QByteArray field(const char* name) {
    return QByteArray(QByteArray(name) + ':').leftJustified(FieldWidth, ' ');
}

QByteArray mailbox(const TMailAddress& address) {
    return MailHeaderText::displayName(address.Name()) + " <" + address.Address().toUtf8() + '>';
}

void addressLines(const char* name, const TMailAddressList& list, QByteArray& out) {
    const QList<TMailAddress>& items = list.items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        out.append(i == 0 ? field(name) : QByteArray(FieldWidth, ' '));
        out.append(mailbox(items[i]));
        out.append(i + 1 < items.size() ? ",\r\n" : "\r\n");
    }
}

// Lines the writer makes itself; a copy among the extra lines would contradict them.
bool isOwnHeader(const QString& line) {
    static const QStringList own =
        QStringLiteral("from to cc bcc subject return-receipt-to x-priority mime-version "
                       "content-type x-encoding content-transfer-encoding")
            .split(u' ');
    const qsizetype colon = line.indexOf(u':');
    return colon >= 0 && own.contains(line.left(colon).trimmed().toLower());
}

QByteArray attachmentPart(const TMailAttItem& item) {
    const QByteArray name = MailHeaderText::quoted(item.FileName());
    return "Content-Type: " + item.ContentType().toLatin1() + "; name=" + name +
           "\r\nContent-Transfer-Encoding: " + TransferEncoder::name(item.Encoding()) +
           "\r\nContent-Disposition: attachment; filename=" + name + "\r\n\r\n" +
           TransferEncoder::encode(item.Encoding(), item.Data());
}

} // namespace

TMailMessageEncoder::TMailMessageEncoder(MimeBoundary boundary) : m_boundary(std::move(boundary)) {}

QByteArray TMailMessageEncoder::encode(const TMailMessage& message) const {
    if (!message.Attachments().isEmpty())
        return headers(message) + multipart(message);
    const MailBodyPart body(message.Body(), message.CharSet());
    return headers(message) + body.headers() + "\r\n" + body.content();
}

QByteArray TMailMessageEncoder::headers(const TMailMessage& message) const {
    QByteArray out = field("From") + mailbox(message.Sender()) + "\r\n";
    addressLines("To", message.Recipients(), out);
    addressLines("CC", message.CC(), out);
    if (message.ReturnReceipt())
        out += "Return-Receipt-To: <" + message.Sender().Address().toUtf8() + ">\r\n";
    if (message.Priority() != ptNormal)
        out += message.Priority() == ptLow ? "X-Priority: 5\r\n" : "X-Priority: 1\r\n";
    for (const QString& line : message.Headers())
        if (!isOwnHeader(line))
            out += MailHeaderText::line(line) + "\r\n";
    if (!message.Subject().isEmpty())
        out += field("Subject") + MailHeaderText::text(message.Subject()) + "\r\n";
    out += "Mime-Version: 1.0\r\n";
    return out;
}

QByteArray TMailMessageEncoder::multipart(const TMailMessage& message) const {
    QList<QByteArray> parts;
    if (!message.Body().isEmpty()) {
        const MailBodyPart body(message.Body(), message.CharSet());
        parts.append(body.headers() + "\r\n" + body.content());
    }
    for (const TMailAttItem& item : message.Attachments().items())
        parts.append(attachmentPart(item));
    const QByteArray boundary = m_boundary.draw(parts);
    qsizetype size = 256;
    for (const QByteArray& part : parts)
        size += part.size() + boundary.size() + 8;
    QByteArray out;
    out.reserve(size);
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary +
           "\"\r\n\r\nThis is a multipart message in MIME format\r\n\r\n";
    // Each part's own lines end with CR LF, and one empty line follows before the next
    // boundary: the CR LF before a boundary belongs to the boundary, so the part keeps its
    // last line break.
    for (const QByteArray& part : parts)
        out += "--" + boundary + "\r\n" + part + "\r\n";
    out += "--" + boundary + "--\r\n";
    return out;
}
