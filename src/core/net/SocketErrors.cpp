#include "net/SocketErrors.h"

#include <QHash>

namespace {

const QHash<int, QString>& table() {
    static const QHash<int, QString> texts{
        {10004, QStringLiteral("Interrupted system call")},
        {10009, QStringLiteral("Bad file number")},
        {10013, QStringLiteral("Access denied")},
        {10014, QStringLiteral("Bad address")},
        {10022, QStringLiteral("Invalid argument")},
        {10024, QStringLiteral("Too many open files")},
        {10035, QStringLiteral("Operation would block")},
        {10036, QStringLiteral("Operation now in progress")},
        {10037, QStringLiteral("Operation already in progress")},
        {10038, QStringLiteral("Socket operation on non-socket")},
        {10039, QStringLiteral("Destination address required")},
        {10040, QStringLiteral("Message too long")},
        {10041, QStringLiteral("Protocol wrong type for socket")},
        {10042, QStringLiteral("Bad protocol option")},
        {10043, QStringLiteral("Protocol not supported")},
        {10044, QStringLiteral("Socket type not supported")},
        {10045, QStringLiteral("Operation not supported on socket")},
        {10046, QStringLiteral("Protocol family not supported")},
        {10047, QStringLiteral("Address family not supported by protocol family")},
        {10048, QStringLiteral("Address already in use")},
        {10049, QStringLiteral("Can't assign requested address")},
        {10050, QStringLiteral("Network is down")},
        {10051, QStringLiteral("Network is unreachable")},
        {10052, QStringLiteral("Net dropped connection or reset")},
        {10053, QStringLiteral("Software caused connection abort")},
        {10054, QStringLiteral("Connection reset by peer")},
        {10055, QStringLiteral("No buffer space available")},
        {10056, QStringLiteral("Socket is already connected")},
        {10057, QStringLiteral("Socket is not connected")},
        {10058, QStringLiteral("Can't send after socket shutdown")},
        {10059, QStringLiteral("Too many references, can't splice")},
        {10060, QStringLiteral("Connection timed out")},
        {10061, QStringLiteral("Connection refused")},
        {10062, QStringLiteral("Too many levels of symbolic links")},
        {10063, QStringLiteral("File name too long")},
        {10064, QStringLiteral("Host is down")},
        {10065, QStringLiteral("No route to host")},
        {10066, QStringLiteral("Directory not empt")},
        {10067, QStringLiteral("Too many processes")},
        {10068, QStringLiteral("Too many users")},
        {10069, QStringLiteral("Disc Quota Exceeded")},
        {10070, QStringLiteral("Stale NFS file handle")},
        {10071, QStringLiteral("Too many levels of remote in path")},
        {10091, QStringLiteral("Network subsystem is unavailable")},
        {10092, QStringLiteral("WINSOCK DLL Version out of range")},
        {10093, QStringLiteral("Winsock not loaded yet (WSANOTINITIALISED)")},
        {11001, QStringLiteral("Host not found")},
        {11002,
         QStringLiteral("Non-authoritative 'Host not found' (try again or check DNS setup)")},
        {11003, QStringLiteral("Non-recoverable errors: FORMERR, REFUSED, NOTIMP")},
        {11004, QStringLiteral("Valid name, no data record (check DNS setup)")},
    };
    return texts;
}

} // namespace

QString SocketErrors::text(int number) {
    if (number == 0)
        return QStringLiteral("Ok");
    const QString described = table().value(number, QStringLiteral("(no description available)"));
    return QStringLiteral("[%1] %2.").arg(number).arg(described);
}

int SocketErrors::fromQt(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return ConnectionReset;
    case QAbstractSocket::HostNotFoundError:
        return HostNotFound;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::DatagramTooLargeError:
        return 10040;
    case QAbstractSocket::NetworkError:
        return 10051;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    case QAbstractSocket::UnfinishedSocketOperationError:
        return 10037;
    case QAbstractSocket::TemporaryError:
        return 10035;
    case QAbstractSocket::OperationError:
        return 10022;
    default:
        // Proxy, TLS and unknown kinds: a number outside the table, so the text says so.
        return 10000;
    }
}
