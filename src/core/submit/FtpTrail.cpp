#include "submit/FtpTrail.h"

#include "net/TNetFTP.h"
#include "submit/FtpTranscript.h"
#include "submit/RunView.h"

namespace {

QString prefix(int direction) {
    switch (direction) {
    case TNetFTP::CommandSent:
        return QStringLiteral("CLIENT: ");
    case TNetFTP::ReplyReceived:
        return QStringLiteral("SERVER: ");
    default:
        return QStringLiteral("INFO: ");
    }
}

} // namespace

FtpTrail::FtpTrail(TNetFTP& ftp, FtpTranscript& transcript, RunView& view)
    : m_transcript(transcript), m_view(view) {
    wire(ftp);
}

QString FtpTrail::line(int direction, const QString& message) {
    if (direction == TNetFTP::CommandSent && message.startsWith(QStringLiteral("PASS ")))
        return prefix(direction) + QStringLiteral("PASS ********");
    return prefix(direction) + message;
}

void FtpTrail::wire(TNetFTP& ftp) {
    constexpr auto Ftp = RunView::Method::Ftp;
    connect(&ftp, &TNetFTP::firePITrail, this, [this](int direction, const QString& message) {
        m_transcript.add(line(direction, message));
    });
    connect(&ftp, &TNetFTP::startTransfer, this, [this] {
        m_transcript.add(QStringLiteral("TRANSFER BEGIN."));
        m_view.setStatus(Ftp, QStringLiteral("Starting Transfer"));
    });
    connect(&ftp, &TNetFTP::transfer, this, [this](qint64 bytes) {
        m_view.setStatus(Ftp, QStringLiteral("Bytes Transfered: ") + QString::number(bytes));
    });
    connect(&ftp, &TNetFTP::endTransfer, this,
            [this] { m_transcript.add(QStringLiteral("TRANSFER END.")); });
    connect(&ftp, &TNetFTP::error, this, [this](int code, const QString& description) {
        m_transcript.add(QStringLiteral("ERR Event: ") + QString::number(code) + description);
        m_view.setStatus(Ftp, QStringLiteral("FTP Error"));
    });
}
