#pragma once

#include <QObject>
#include <QString>

class FtpTranscript;
class RunView;
class TNetFTP;

// What the FTP client reports while it works, as the transcript and "ftpstatus" show it: every
// command and reply line with its direction, the transfer's begin and end, and the client's
// error events. The password never leaves the wire: its command line is masked here.
class FtpTrail : public QObject {
    Q_OBJECT
public:
    FtpTrail(TNetFTP& ftp, FtpTranscript& transcript, RunView& view);

    // "CLIENT: ", "SERVER: " or "INFO: " and the message; "PASS ********" for a password.
    static QString line(int direction, const QString& message);

private:
    void wire(TNetFTP& ftp);

    FtpTranscript& m_transcript;
    RunView& m_view;
};
