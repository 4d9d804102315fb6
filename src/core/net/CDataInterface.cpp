#include "net/CDataInterface.h"

#include "net/ENetFTP.h"

#include <QTcpSocket>

namespace {

// The number raised when a local file problem fails the transfer.
constexpr int LocalFileFailure = 144;

} // namespace

void CDataInterface::throwError(int number, const QString& text) const {
    throw ENetFTP(number, text);
}

void CDataInterface::prepare(Mode mode, const QString& localFile, qint64 startByte) {
    reset();
    m_mode = mode;
    m_localPath = localFile;
    m_startByte = qMax<qint64>(0, startByte);
    m_counter = m_startByte;
    m_size = 0;
    m_written = 0;
    m_armed = false;
    m_closeAllowed = false;
    m_begun = false;
    m_writeFailed = false;
    m_early.clear();
    m_lines.reset();
    m_failure = 0;
    m_failureText.clear();
}

void CDataInterface::reset() {
    closeListener();
    closeConnection();
    closeLocalFile();
}

int CDataInterface::connectTo(const QString& host, quint16 port) {
    setRemoteHost(host);
    setRemotePort(port);
    return startConnect();
}

void CDataInterface::arm() {
    m_armed = true;
    releaseTls();
    if (isConnected())
        begin();
}

void CDataInterface::allowClose() {
    m_closeAllowed = true;
    if (m_begun && m_mode == Upload)
        pump();
}

void CDataInterface::connectionOpened() {
    if (m_armed)
        begin();
}

void CDataInterface::begin() {
    if (m_begun)
        return;
    m_begun = true;
    if (!openLocalFile()) {
        closeConnection();
        return;
    }
    Q_EMIT startTransfer();
    if (!m_early.isEmpty())
        dataArrived(std::exchange(m_early, QByteArray()));
    if (m_mode == Upload)
        pump();
}

bool CDataInterface::openLocalFile() {
    if (m_mode != Upload && m_mode != DownloadToFile)
        return true;
    m_file.setFileName(m_localPath);
    // A resumed download keeps what it already has; a fresh one replaces the old file.
    const QIODevice::OpenMode openMode = m_mode == Upload ? QIODevice::ReadOnly
                                         : m_startByte > 0
                                             ? QIODevice::ReadWrite
                                             : QIODevice::WriteOnly | QIODevice::Truncate;
    if (!m_file.open(openMode)) {
        fileFailed(QStringLiteral("Error opening local file."));
        return false;
    }
    m_size = m_file.size();
    if (m_startByte > 0 && !m_file.seek(m_startByte)) {
        fileFailed(QStringLiteral("Error starting local file."));
        closeLocalFile();
        return false;
    }
    return true;
}

void CDataInterface::fileFailed(const QString& text) {
    const int number = static_cast<int>(m_file.error());
    if (m_failure == 0) {
        m_failure = LocalFileFailure;
        m_failureText = text;
    }
    Q_EMIT error(number, text);
}

void CDataInterface::dataArrived(const QByteArray& data) {
    if (!m_begun) {
        m_early += data;
        return;
    }
    switch (m_mode) {
    case DownloadToEvents:
        m_counter += data.size();
        Q_EMIT transfer(m_counter, data);
        return;
    case DownloadToFile:
        m_counter += data.size();
        if (!m_writeFailed && m_file.write(data) != data.size()) {
            m_writeFailed = true;
            fileFailed(QStringLiteral("Error writing to local file."));
        }
        Q_EMIT transfer(m_counter, QByteArray());
        return;
    case Listing: {
        m_lines.append(data);
        QByteArray line;
        while (m_lines.nextLine(line))
            Q_EMIT dirList(QString::fromUtf8(line));
        return;
    }
    default:
        return; // an upload's server has nothing to say here
    }
}

void CDataInterface::bytesSent(qint64 count) {
    m_written += count;
    if (m_begun && m_mode == Upload)
        pump();
}

void CDataInterface::pump() {
    while (isConnected() && m_file.isOpen() && queuedBytes() < QueueLimit) {
        if (m_counter >= m_size) {
            if (!m_closeAllowed)
                return;
            closeLocalFile();
            finishSending(); // the close tells the server the file is complete
            return;
        }
        const QByteArray block = m_file.read(qMin(BlockSize, m_size - m_counter));
        if (block.isEmpty()) {
            fileFailed(QStringLiteral("Error reading from local file."));
            closeLocalFile();
            closeConnection();
            return;
        }
        socket()->write(block);
        m_counter += block.size();
        Q_EMIT transfer(m_counter, QByteArray());
    }
}

void CDataInterface::connectionClosed() {
    if (m_mode == Listing) {
        const QByteArray rest = m_lines.takeRest();
        if (!rest.isEmpty())
            Q_EMIT dirList(QString::fromUtf8(rest));
    }
    closeLocalFile();
    if (m_begun)
        Q_EMIT endTransfer();
}

void CDataInterface::closeLocalFile() {
    if (!m_file.isOpen())
        return;
    const bool flushed = m_mode != DownloadToFile || m_file.flush();
    m_file.close();
    if (!flushed)
        fileFailed(QStringLiteral("Error closing local file."));
}
