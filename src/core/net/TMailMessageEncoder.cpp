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

// A part of a multipart message: its lines down to the content, and the content itself unless
// it goes as Base64, which is made only as the text is read.
struct Part {
    QByteArray lines;
    const TMailAttItem* base64 = nullptr;
};

Part attachmentPart(const TMailAttItem& item) {
    const QByteArray name = MailHeaderText::quoted(item.FileName());
    const QByteArray head =
        "Content-Type: " + item.ContentType().toLatin1() + "; name=" + name +
        "\r\nContent-Transfer-Encoding: " + TransferEncoder::name(item.Encoding()) +
        "\r\nContent-Disposition: attachment; filename=" + name + "\r\n\r\n";
    if (item.Encoding() == TransferEncoding::Base64)
        return {head, &item};
    return {head + TransferEncoder::encode(item.Encoding(), item.Data())};
}

} // namespace

TMailMessageEncoder::TMailMessageEncoder(MimeBoundary boundary) : m_boundary(std::move(boundary)) {}

MailText TMailMessageEncoder::encode(const TMailMessage& message) const {
    MailText text;
    text.append(headers(message));
    if (!message.Attachments().isEmpty()) {
        appendMultipart(message, text);
        return text;
    }
    const MailBodyPart body(message.Body(), message.CharSet());
    text.append(body.headers() + "\r\n" + body.content());
    return text;
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

void TMailMessageEncoder::appendMultipart(const TMailMessage& message, MailText& text) const {
    QList<Part> parts;
    if (!message.Body().isEmpty()) {
        const MailBodyPart body(message.Body(), message.CharSet());
        parts.append({body.headers() + "\r\n" + body.content()});
    }
    for (const TMailAttItem& item : message.Attachments().items())
        parts.append(attachmentPart(item));
    // Base64 has no "-", so what is left out of the lines cannot hold a boundary line.
    QList<QByteArray> lines;
    for (const Part& part : parts)
        lines.append(part.lines);
    const QByteArray boundary = m_boundary.draw(lines);
    text.append("Content-Type: multipart/mixed; boundary=\"" + boundary +
                "\"\r\n\r\nThis is a multipart message in MIME format\r\n\r\n");
    // Each part's own lines end with CR LF, and one empty line follows before the next
    // boundary: the CR LF before a boundary belongs to the boundary, so the part keeps its
    // last line break.
    for (const Part& part : parts) {
        text.append("--" + boundary + "\r\n" + part.lines);
        if (part.base64)
            text.appendBase64(part.base64->Data());
        text.append("\r\n");
    }
    text.append("--" + boundary + "--\r\n");
}
