#pragma once

#include "net/CListeningSocket.h"
#include "net/LineSplitter.h"

#include <QFile>

// The data connection of one FTP transfer or listing. Runs on the signals of its socket while
// the control connection waits for the command's reply.
class CDataInterface : public CListeningSocket {
    Q_OBJECT
public:
    enum Mode { NoTransfer = 0, DownloadToEvents = 1, Upload = 2, DownloadToFile = 3, Listing = 4 };

    // Bytes read from the file per block, and how many may wait in the socket: performance
    // settings only. A short queue sends each block while it is still in the processor's cache.
    static constexpr qint64 BlockSize = 64 * 1024;
    static constexpr qint64 QueueLimit = 2 * BlockSize;

    using CListeningSocket::CListeningSocket;

    // A new transfer: what to do, with which file, from which byte.
    void prepare(Mode mode, const QString& localFile, qint64 startByte);
    // The command that makes the server use the connection has been sent: start once open.
    void arm();
    // The server has said it is taking the upload (its preliminary reply): only now may the
    // end of the file be marked by closing, or a server that has not started reading yet
    // takes the close for a broken transfer.
    void allowClose();
    // The transfer is over: the connection was never opened, or has closed again.
    bool finished() const { return !isOpen() && !isListening(); }
    bool wasOpened() const { return m_begun; }
    // An upload whose connection closed before the whole file went out.
    bool uploadIncomplete() const {
        return m_mode == Upload && m_begun && m_startByte + m_written < m_size;
    }
    // A local file failure that fails the action (0 when none), and its text.
    int failure() const { return m_failure; }
    const QString& failureText() const { return m_failureText; }
    // Drops the connection and any listener; the local file is closed.
    void reset();
    // Passive mode: starts connecting to the server's data port. 0 or an error number.
    int connectTo(const QString& host, quint16 port);

Q_SIGNALS:
    void startTransfer();
    void transfer(qint64 bytesTransferred, const QByteArray& text);
    void endTransfer();
    void dirList(const QString& entry);

protected:
    [[noreturn]] void throwError(int number, const QString& text) const override;
    void connectionOpened() override;
    void dataArrived(const QByteArray& data) override;
    void connectionClosed() override;
    void bytesSent(qint64 count) override;

private:
    void begin();
    bool openLocalFile();
    void pump();
    void fileFailed(const QString& text);
    void closeLocalFile();

    Mode m_mode = NoTransfer;
    QString m_localPath;
    QFile m_file;
    qint64 m_startByte = 0;
    qint64 m_counter = 0;
    qint64 m_size = 0;
    qint64 m_written = 0; // upload bytes the socket has really sent
    bool m_armed = false;
    bool m_closeAllowed = false;
    bool m_begun = false;
    bool m_writeFailed = false;
    QByteArray m_early; // data that came before the command was sent
    LineSplitter m_lines;
    int m_failure = 0;
    QString m_failureText;
};
