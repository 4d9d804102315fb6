#pragma once

#include "net/CIPPortMsg.h"

class QFile;

// Sending the content of a local file over the connection.
class CIPPortMsgPlusFile : public CIPPortMsg {
    Q_OBJECT
public:
    // Read size per block: a performance setting only; the bytes on the wire are the same.
    static constexpr qint64 BlockSize = 256 * 1024;
    // sendFile's result when the file gave fewer bytes than asked for.
    static constexpr int FileReadFailed = -2;

    using CIPPortMsg::CIPPortMsg;

protected:
    // Sends count bytes from the file's current position. 0, FileReadFailed or a send error.
    int sendFile(QFile& file, qint64 count);
};
