#pragma once

#include "net/TMailAddress.h"
#include "net/TMailAddressList.h"
#include "net/TMailAttList.h"

#include <QStringList>

enum TCharSet { csUSASCII, csISO8859 };
enum TPriority { ptLow, ptNormal, ptHigh };

// A mail to send: sender, recipients, subject, body lines, attached files and a few header
// settings. TMailMessageEncoder turns it into the text that goes over the wire.
class TMailMessage {
public:
    static constexpr int MaxSubjectLength = 255;

    TMailAddress& Sender() { return m_sender; }
    const TMailAddress& Sender() const { return m_sender; }
    TMailAddressList& Recipients() { return m_recipients; }
    const TMailAddressList& Recipients() const { return m_recipients; }
    TMailAddressList& CC() { return m_cc; }
    const TMailAddressList& CC() const { return m_cc; }
    // Told to the server, never written into the message.
    TMailAddressList& BCC() { return m_bcc; }
    const TMailAddressList& BCC() const { return m_bcc; }
    TMailAttList& Attachments() { return m_attachments; }
    const TMailAttList& Attachments() const { return m_attachments; }

    const QString& Subject() const { return m_subject; }
    void setSubject(const QString& subject) { m_subject = subject.left(MaxSubjectLength); }
    const QStringList& Body() const { return m_body; }
    void setBody(const QStringList& lines) { m_body = lines; }
    // Extra header lines; the ones the writer makes itself are dropped from them.
    const QStringList& Headers() const { return m_headers; }
    void setHeaders(const QStringList& lines) { m_headers = lines; }
    TCharSet CharSet() const { return m_charSet; }
    void setCharSet(TCharSet charSet) { m_charSet = charSet; }
    TPriority Priority() const { return m_priority; }
    void setPriority(TPriority priority) { m_priority = priority; }
    bool ReturnReceipt() const { return m_returnReceipt; }
    void setReturnReceipt(bool ask) { m_returnReceipt = ask; }

    // Raises EMessageError when the message cannot go out: no sender, nobody to send it to, or
    // an address that could break a command or a header line.
    void validate() const;
    // Only the last of those checks.
    void checkAddresses() const;

private:
    TMailAddress m_sender;
    TMailAddressList m_recipients, m_cc, m_bcc;
    TMailAttList m_attachments;
    QString m_subject;
    QStringList m_body, m_headers;
    TCharSet m_charSet = csUSASCII;
    TPriority m_priority = ptNormal;
    bool m_returnReceipt = false;
};
