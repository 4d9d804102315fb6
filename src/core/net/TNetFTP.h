#pragma once

#include "net/CIPPortMsg.h"

#include <functional>
#include <memory>

class CDataInterface;

enum TNetFTPActions {
    ftpIdle,
    ftpAbort,
    ftpLogon,
    ftpLogoff,
    ftpDownload,
    ftpUpload,
    ftpDeleteFile,
    ftpRenameFile,
    ftpListDirectory,
    ftpListDirectoryLong,
    ftpMakeDirectory,
    ftpRemoveDirectory,
    // Internal: "TYPE A", "TYPE I", the change to RemotePath, the Command text.
    ftpTypeAscii,
    ftpTypeBinary,
    ftpChangeDirectory,
    ftpRawCommand
};

enum TFTPTransferModes { tmDefault, tmASCII, tmBinary };

// The FTP client. Set the properties, then assign Action: the call returns when the action is
// over, and the transcript and the transfer arrive through the signals while it runs.
// A failed action raises ENetFTP ("141: 550 No such file." and the like).
class TNetFTP : public CIPPortMsg {
    Q_OBJECT
public:
    static constexpr int CommandFailed = 141;
    static constexpr int ConnectProblem = 142;
    static constexpr int Busy = 143;
    static constexpr int LocalFileError = 144;
    static constexpr int UploadFileError = 145;
    static constexpr int UploadIncomplete = 146;
    static constexpr int CommandLineBreak = 147;

    // OnFirePITrail directions.
    enum TrailDirection { CommandSent = 0, ReplyReceived = 1, StatusNote = 2 };

    explicit TNetFTP(QObject* parent = nullptr);
    ~TNetFTP() override;

    TNetFTPActions Action() const { return m_action; }
    void setAction(TNetFTPActions action);
    // For values from outside the enumeration: anything but 0 to 15 is refused.
    void setAction(int action);

    const QString& User() const { return m_user; }
    void setUser(const QString& user) { m_user = user; }
    const QString& Password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }
    // Asks the server (PWD) while connected and idle.
    QString RemotePath();
    void setRemotePath(const QString& path);
    const QString& LocalFile() const { return m_localFile; }
    void setLocalFile(const QString& path) { m_localFile = path; }
    const QString& RemoteFile() const { return m_remoteFile; }
    void setRemoteFile(const QString& name) { m_remoteFile = name; }
    const QString& AltFile() const { return m_altFile; }
    void setAltFile(const QString& name) { m_altFile = name; }
    TFTPTransferModes TransferMode() const { return m_transferMode; }
    void setTransferMode(TFTPTransferModes mode);
    void setTransferMode(int mode);
    bool Passive() const { return m_passive; }
    void setPassive(bool passive) { m_passive = passive; }
    // AUTH TLS after the greeting, then PBSZ 0 and PROT P: commands and data go encrypted.
    bool Secure() const { return m_secure; }
    void setSecure(bool secure) { m_secure = secure; }
    qint64 StartByte() const { return m_startByte; }
    void setStartByte(qint64 start) { m_startByte = qBound<qint64>(0, start, 0x7FFFFFFFLL); }
    const QString& Command() const { return m_command; }
    void setCommand(const QString& line) { m_command = line; }
    void setWinsockLoaded(bool loaded) override;

Q_SIGNALS:
    // OnFirePITrail: direction (TrailDirection) and the line.
    void firePITrail(int direction, const QString& message);
    void startTransfer();
    void transfer(qint64 bytesTransferred, const QByteArray& text);
    void endTransfer();
    void dirList(const QString& entry);

protected:
    [[noreturn]] void throwError(int number, const QString& text) const override;

private:
    using StopCheck = std::function<bool()>;

    void run(TNetFTPActions action);
    bool perform(TNetFTPActions action);
    bool logon();
    bool secureControl();
    void prepareDataTls();
    void logoff();
    bool abortTransfer();
    void nestedAbort();
    bool transferData(int mode, const QString& command, const QString& argument);
    bool finishTransfer();
    bool openDataConnection();
    bool openPassive();
    bool openActive();
    bool upload();
    bool command(const QString& command, const QString& argument = QString(), bool isAbort = false);
    bool sendCommand(const QString& command, const QString& argument);
    bool readReply(bool isAbort = false, const StopCheck& stop = {});
    bool readLine(QString& line, const StopCheck& stop);
    bool changeDirectory();
    void note(const QString& text) { Q_EMIT firePITrail(StatusNote, text); }
    void wireEvents();

    TNetFTPActions m_action = ftpIdle;
    QString m_user, m_password, m_remotePath, m_localFile, m_remoteFile, m_altFile, m_command;
    TFTPTransferModes m_transferMode = tmDefault;
    bool m_passive = false;
    bool m_secure = false;
    qint64 m_startByte = 0;
    std::unique_ptr<CDataInterface> m_data;
    // A nested ftpAbort ends the transfer it interrupted: the serial tells the transfer's wait,
    // the outcome is what that transfer then reports.
    int m_abortSerial = 0;
    int m_abortOutcome = 0;
    QString m_abortOutcomeText;
    QString m_abortReply;
};
