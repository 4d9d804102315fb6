#include "net/CWinsock.h"

#include "net/SocketErrors.h"

#include <QHostInfo>

namespace {

QHostAddress firstAddress(const QList<QHostAddress>& addresses) {
    for (const QHostAddress& a : addresses)
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a;
    return addresses.isEmpty() ? QHostAddress() : addresses.first();
}

} // namespace

CWinsock::CWinsock(WaitLoop* wait, QObject* parent)
    : TNetBase(parent), m_wait(wait ? wait : &m_ownWait) {}

void CWinsock::setWinsockLoaded(bool loaded) {
    m_loaded = loaded;
}

QString CWinsock::WinsockInfo() const {
    return m_loaded
               ? QStringLiteral("Qt Network %1 TCP/IP sockets").arg(QString::fromLatin1(qVersion()))
               : QString();
}

QString CWinsock::WinsockStatus() const {
    return m_loaded ? QStringLiteral("Running") : QStringLiteral("Down");
}

QString CWinsock::LocalHost() const {
    return QHostInfo::localHostName();
}

int CWinsock::resolve(const QString& host, QHostAddress& address) {
    m_loaded = true;
    if (address.setAddress(host))
        return address == QHostAddress::AnyIPv4 || address == QHostAddress::AnyIPv6 ? InvalidAddress
                                                                                    : 0;
    QObject context; // dropped at return, so a late answer after an interrupt goes nowhere
    bool answered = false;
    QHostInfo info;
    const int id = QHostInfo::lookupHost(host, &context, [&](const QHostInfo& result) {
        info = result;
        answered = true;
        m_wait->wake();
    });
    if (!m_wait->run([&] { return answered; })) {
        QHostInfo::abortHostLookup(id);
        return 301;
    }
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
        return SocketErrors::HostNotFound;
    address = firstAddress(info.addresses());
    return 0;
}
