#pragma once

#include "net/MailText.h"
#include "net/MimeBoundary.h"
#include "net/TMailMessage.h"

#include <QByteArray>

// Writes a message as the text that goes after DATA: the header lines, then the body alone as
// text/plain, or the body and the attached files as multipart/mixed. Every line ends with CR LF.
// BCC addresses are never written.
class TMailMessageEncoder {
public:
    explicit TMailMessageEncoder(MimeBoundary boundary = MimeBoundary());

    MailText encode(const TMailMessage& message) const;

private:
    QByteArray headers(const TMailMessage& message) const;
    void appendMultipart(const TMailMessage& message, MailText& text) const;

    MimeBoundary m_boundary;
};
