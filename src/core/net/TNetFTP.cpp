#include "net/TNetFTP.h"

#include "net/CDataInterface.h"
#include "net/ENetFTP.h"
#include "net/FtpHostPort.h"
#include "net/FtpReplyLines.h"

#include <QFile>

namespace {

const QString BusyText = QStringLiteral("Busy performing current action.");
const QString UnexpectedText = QStringLiteral("Unexpected server reply.");
// Telnet interrupt-process and data-mark, sent as urgent data before ABOR.
const QByteArray TelnetSynch("\xFF\xF4\xFF\xF2", 4);

QHostAddress plainIPv4(const QHostAddress& address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

} // namespace

TNetFTP::TNetFTP(QObject* parent)
    : CIPPortMsg(nullptr, parent), m_data(std::make_unique<CDataInterface>(&waiter())) {
    setRemotePort(21);
    wireEvents();
}

TNetFTP::~TNetFTP() = default;

void TNetFTP::throwError(int number, const QString& text) const {
    throw ENetFTP(number, text);
}

void TNetFTP::wireEvents() {
    connect(this, &TNetFTP::connected, this, [this](int code, const QString& description) {
        if (code == 0)
            note(QStringLiteral("Connected."));
        else
            Q_EMIT error(ConnectProblem, QStringLiteral("Failed to connect: ") + description);
    });
    connect(this, &TNetFTP::disconnected, this, [this](int code, const QString& description) {
        note(QStringLiteral("Disconnected."));
        if (code != 0)
            Q_EMIT error(ConnectProblem, QStringLiteral("Disconnected: ") + description);
    });
    CDataInterface* data = m_data.get();
    connect(data, &CDataInterface::startTransfer, this, &TNetFTP::startTransfer);
    connect(data, &CDataInterface::transfer, this, &TNetFTP::transfer);
    connect(data, &CDataInterface::endTransfer, this, &TNetFTP::endTransfer);
    connect(data, &CDataInterface::dirList, this, &TNetFTP::dirList);
    connect(data, &CDataInterface::error, this, &TNetFTP::error);
}

void TNetFTP::setWinsockLoaded(bool loaded) {
    CIPPortMsg::setWinsockLoaded(loaded);
    m_data->setWinsockLoaded(loaded);
}

void TNetFTP::setAction(int action) {
    if (action < ftpIdle || action > ftpRawCommand)
        throw ShipkitError(QStringLiteral("Invalid Action Value"));
    setAction(static_cast<TNetFTPActions>(action));
}

void TNetFTP::setAction(TNetFTPActions action) {
    if (action == ftpIdle)
        return interrupt();
    if (action == ftpAbort && m_action != ftpIdle)
        return nestedAbort();
    if (m_action != ftpIdle)
        throwError(Busy, BusyText);
    run(action);
}

void TNetFTP::run(TNetFTPActions action) {
    beginAction();
    clearError();
    m_action = action;
    if (!perform(action)) {
        m_data->reset();
        // After an interrupted wait the replies no longer match the commands: start afresh.
        if (waiter().interrupted() && isOpen())
            closeConnection();
    }
    m_action = ftpIdle;
    raiseIfError();
}

bool TNetFTP::perform(TNetFTPActions action) {
    switch (action) {
    case ftpLogon:
        return logon();
    case ftpLogoff:
        logoff();
        return true;
    case ftpAbort:
        // Nothing to abort without a connection; logging on just to abort makes no sense.
        return !isConnected() || abortTransfer();
    case ftpUpload:
        if (m_localFile.isEmpty()) {
            setError(UploadFileError, QStringLiteral("Please specify a local file for upload."));
            return false;
        }
        if (QFile file(m_localFile); !file.open(QIODevice::ReadOnly)) {
            setError(UploadFileError, QStringLiteral("Error reading from local file."));
            return false;
        }
        break;
    default:
        break;
    }
    if (!isConnected() && !logon())
        return false;
    switch (action) {
    case ftpDownload:
        return transferData(m_localFile.isEmpty() ? CDataInterface::DownloadToEvents
                                                  : CDataInterface::DownloadToFile,
                            QStringLiteral("RETR"), m_remoteFile);
    case ftpUpload:
        return transferData(CDataInterface::Upload, QStringLiteral("STOR"), m_remoteFile);
    case ftpDeleteFile:
        return command(QStringLiteral("DELE"), m_remoteFile);
    case ftpRenameFile:
        return command(QStringLiteral("RNFR"), m_remoteFile) &&
               command(QStringLiteral("RNTO"), m_altFile);
    case ftpListDirectory:
        return transferData(CDataInterface::Listing, QStringLiteral("NLST"), m_remoteFile);
    case ftpListDirectoryLong:
        return transferData(CDataInterface::Listing, QStringLiteral("LIST"), m_remoteFile);
    case ftpMakeDirectory:
        return command(QStringLiteral("MKD"), m_remoteFile);
    case ftpRemoveDirectory:
        return command(QStringLiteral("RMD"), m_remoteFile);
    case ftpTypeAscii:
        return command(QStringLiteral("TYPE"), QStringLiteral("A"));
    case ftpTypeBinary:
        return command(QStringLiteral("TYPE"), QStringLiteral("I"));
    case ftpChangeDirectory:
        return changeDirectory();
    case ftpRawCommand:
        return command(m_command);
    default:
        return true;
    }
}

bool TNetFTP::logon() {
    if (!isConnected()) {
        note(QStringLiteral("Connecting to FTP server."));
        if (const int err = connectAndWait()) {
            setLayerError(err);
            return false;
        }
        if (!readReply()) // the greeting
            return false;
        if (m_secure && !secureControl()) {
            closeConnection();
            return false;
        }
    }
    bool ok = (m_user.isEmpty() || command(QStringLiteral("USER"), m_user)) &&
              command(QStringLiteral("PASS"), m_password);
    if (ok && m_secure)
        ok = command(QStringLiteral("PBSZ"), QStringLiteral("0")) &&
             command(QStringLiteral("PROT"), QStringLiteral("P"));
    if (ok && m_transferMode != tmDefault)
        ok = command(QStringLiteral("TYPE"),
                     m_transferMode == tmASCII ? QStringLiteral("A") : QStringLiteral("I"));
    // A half logged-on connection would make every later command fail; the next try starts anew.
    if (!ok && isOpen())
        closeConnection();
    return ok;
}

bool TNetFTP::secureControl() {
    if (!command(QStringLiteral("AUTH"), QStringLiteral("TLS")))
        return false;
    // Control and data connections alike, so the data connections can resume the session.
    setTlsPolicy(tlsPolicy().upToTls12());
    if (const int err = secureAndWait(RemoteHost())) {
        setLayerError(err);
        return false;
    }
    return true;
}

void TNetFTP::prepareDataTls() {
    m_data->setImplicitTls(m_secure);
    if (!m_secure)
        return;
    m_data->setTlsPolicy(tlsPolicy());
    m_data->setTlsPeerName(RemoteHost());
    m_data->setTlsSession(tlsSession());
    m_data->holdTls(!m_passive);
}

void TNetFTP::logoff() {
    if (isConnected() && !command(QStringLiteral("QUIT")))
        note(QStringLiteral("Forcing disconnection from FTP server."));
    clearError();
    m_data->reset();
    closeConnection();
}

bool TNetFTP::abortTransfer() {
    if (const int err = sendUrgent(TelnetSynch)) {
        setLayerError(err);
        return false;
    }
    const bool ok = command(QStringLiteral("ABOR"), QString(), true);
    m_data->reset();
    return ok;
}

void TNetFTP::nestedAbort() {
    if (!isConnected())
        return;
    m_abortReply.clear();
    if (sendUrgent(TelnetSynch) == 0 && sendCommand(QStringLiteral("ABOR"), QString()))
        readReply(true);
    m_data->reset();
    // The transfer's own answer is the 426 the server gave it; without one it was cut short.
    m_abortOutcome = m_abortReply.isEmpty() ? Interrupted : CommandFailed;
    m_abortOutcomeText = m_abortReply.isEmpty() ? QStringLiteral("Interrupted") : m_abortReply;
    ++m_abortSerial;
    waiter().wake();
}

bool TNetFTP::transferData(int mode, const QString& command, const QString& argument) {
    m_data->prepare(static_cast<CDataInterface::Mode>(mode), m_localFile, m_startByte);
    if (!openDataConnection())
        return false;
    if (m_startByte > 0 && !this->command(QStringLiteral("REST"), QString::number(m_startByte)))
        return false;
    if (!sendCommand(command, argument))
        return false;
    m_data->arm();
    const int serial = m_abortSerial;
    if (!readReply(false, [this, serial] { return m_abortSerial != serial; }))
        return false;
    return finishTransfer();
}

bool TNetFTP::finishTransfer() {
    // The final reply can be read before the listener has reported the server's connection.
    m_data->pollAccept();
    if (!m_data->wasOpened())
        m_data->closeListener();
    m_data->allowClose();
    const int serial = m_abortSerial;
    if (waitFor([&] { return m_data->finished() || m_abortSerial != serial; }) != 0) {
        setLayerError(Interrupted);
        return false;
    }
    if (m_abortSerial != serial) {
        setError(m_abortOutcome, m_abortOutcomeText);
        return false;
    }
    if (m_data->failure() != 0) {
        setError(m_data->failure(), m_data->failureText());
        return false;
    }
    if (m_data->uploadIncomplete()) {
        setError(UploadIncomplete,
                 QStringLiteral("Data connection closed before the whole file was sent."));
        return false;
    }
    return true;
}

bool TNetFTP::openDataConnection() {
    prepareDataTls();
    return m_passive ? openPassive() : openActive();
}

bool TNetFTP::openActive() {
    const QHostAddress local = plainIPv4(localAddress());
    if (local.protocol() != QAbstractSocket::IPv4Protocol) {
        setError(10047); // PORT can only name an IPv4 address
        return false;
    }
    m_data->setExpectedPeer(peerAddress());
    const quint16 port = m_data->listen(local);
    if (port == 0) {
        setError(10048);
        return false;
    }
    return command(QStringLiteral("PORT"), FtpHostPort::format(local, port));
}

bool TNetFTP::openPassive() {
    m_data->reset();
    if (!command(QStringLiteral("PASV")))
        return false;
    QString host;
    quint16 port = 0;
    if (!LastReply().startsWith(QStringLiteral("227")) ||
        !FtpHostPort::parse(LastReply(), host, port)) {
        // Going on would send the command with no data connection and wait for ever.
        Q_EMIT error(CommandFailed, UnexpectedText);
        setError(CommandFailed, UnexpectedText);
        return false;
    }
    if (const int err = m_data->connectTo(host, port)) {
        setLayerError(err);
        return false;
    }
    return true;
}

bool TNetFTP::command(const QString& command, const QString& argument, bool isAbort) {
    return sendCommand(command, argument) && readReply(isAbort);
}

bool TNetFTP::sendCommand(const QString& command, const QString& argument) {
    const QString line = argument.isEmpty() ? command : command + u' ' + argument;
    if (line.contains(u'\r') || line.contains(u'\n')) {
        setError(CommandLineBreak, QStringLiteral("A command holds a line break."));
        return false;
    }
    Q_EMIT firePITrail(CommandSent, line.left(255));
    if (const int err = sendBytes(line.toUtf8() + "\r\n")) {
        setLayerError(err);
        return false;
    }
    return true;
}

bool TNetFTP::readReply(bool isAbort, const StopCheck& stop) {
    QString line;
    FtpReplyLines lines;
    for (;;) {
        if (!readLine(line, stop))
            return false;
        if (!lines.take(line))
            continue;
        setLastReply(line);
        const QChar first = line.isEmpty() ? QChar() : line.at(0);
        if (isAbort && line.startsWith(QStringLiteral("426"))) {
            m_abortReply = line;
            continue;
        }
        if (first == u'1') {
            m_data->allowClose();
            continue;
        }
        if (first == u'2' || first == u'3')
            return true;
        setError(CommandFailed, line);
        return false;
    }
}

bool TNetFTP::readLine(QString& line, const StopCheck& stop) {
    QByteArray bytes;
    const int result = waitForLine(bytes, stop);
    if (result == -1) {
        setError(m_abortOutcome, m_abortOutcomeText);
        return false;
    }
    if (result != 0) {
        setLayerError(result);
        return false;
    }
    line = QString::fromUtf8(bytes);
    Q_EMIT firePITrail(ReplyReceived, line);
    return true;
}

bool TNetFTP::changeDirectory() {
    if (m_remotePath == QStringLiteral(".."))
        return command(QStringLiteral("CDUP"));
    return command(QStringLiteral("CWD"), m_remotePath);
}

QString TNetFTP::RemotePath() {
    if (!isConnected() || m_action != ftpIdle)
        return m_remotePath;
    m_command = QStringLiteral("PWD");
    run(ftpRawCommand);
    const QString text = LastReply().mid(5);
    return text.left(text.indexOf(u'"'));
}

void TNetFTP::setRemotePath(const QString& path) {
    if (m_action != ftpIdle)
        throwError(Busy, BusyText);
    const QString old = m_remotePath;
    m_remotePath = path;
    if (!isConnected())
        return;
    try {
        run(ftpChangeDirectory);
    } catch (...) {
        m_remotePath = old;
        throw;
    }
}

void TNetFTP::setTransferMode(int mode) {
    if (mode < tmDefault || mode > tmBinary)
        throw ShipkitError(QStringLiteral("Invalid Transfermode value"));
    setTransferMode(static_cast<TFTPTransferModes>(mode));
}

void TNetFTP::setTransferMode(TFTPTransferModes mode) {
    if (mode > tmBinary)
        throw ShipkitError(QStringLiteral("Invalid Transfermode value"));
    if (m_action != ftpIdle)
        throwError(Busy, BusyText);
    if (isConnected() && mode != tmDefault)
        run(mode == tmASCII ? ftpTypeAscii : ftpTypeBinary);
    m_transferMode = mode;
}
