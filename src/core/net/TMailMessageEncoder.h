#pragma once

#include "net/MimeBoundary.h"
#include "net/TMailMessage.h"

#include <QByteArray>

// Writes a message as the text that goes after DATA: the header lines, then the body alone as
// text/plain, or the body and the attached files as multipart/mixed. Every line ends with CR LF.
// BCC addresses are never written.
class TMailMessageEncoder {
public:
    explicit TMailMessageEncoder(MimeBoundary boundary = MimeBoundary());

    QByteArray encode(const TMailMessage& message) const;

private:
    QByteArray headers(const TMailMessage& message) const;
    QByteArray multipart(const TMailMessage& message) const;

    MimeBoundary m_boundary;
};
