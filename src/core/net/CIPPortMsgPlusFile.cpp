#include "net/CIPPortMsgPlusFile.h"

#include <QFile>

int CIPPortMsgPlusFile::sendFile(QFile& file, qint64 count) {
    while (count > 0) {
        const QByteArray block = file.read(qMin(count, BlockSize));
        if (block.isEmpty())
            return FileReadFailed;
        count -= block.size();
        if (const int err = sendBytes(block))
            return err;
    }
    return 0;
}
