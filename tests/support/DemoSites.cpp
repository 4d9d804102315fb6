#include "support/DemoSites.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpSocket>

namespace {

const QString Python = QStringLiteral("/usr/bin/python3");

QString script(const QString& name) {
    return QStringLiteral(SHIPKIT_SOURCE_DIR "/scripts/demo-sites/") + name;
}

QString summary(const QJsonObject& o) {
    const QString kind = o["kind"].toString();
    if (kind == "form") {
        const QJsonArray fields = o["fields"].toArray();
        const QJsonArray first = fields.isEmpty() ? QJsonArray() : fields[0].toArray();
        return QStringLiteral("form %1 %2 %3=%4 (%5 fields)")
            .arg(o["method"].toString(), o["path"].toString().section(u'?', 0, 0),
                 first[0].toString(), first[1].toString())
            .arg(fields.size());
    }
    if (kind == "mail") {
        QStringList names;
        for (const QJsonValue& a : o["attachments"].toArray())
            names << QStringLiteral("%1 %2").arg(a["name"].toString()).arg(a["size"].toInt());
        QStringList to;
        for (const QJsonValue& t : o["to"].toArray())
            to << t.toString();
        return QStringLiteral("mail %1 | %2 | %3")
            .arg(to.join(", "), o["subject"].toString(), names.join(", "));
    }
    return QStringLiteral("%1 %2 %3").arg(kind, o["remote"].toString()).arg(o["size"].toInt());
}

} // namespace

DemoSites::DemoSites()
    : m_http(Python, {script("http_site.py"), "%PORT%", m_state.path("inbox")}),
      m_ftp(Python,
            {script("ftp_site.py"), "%PORT%", m_state.path("inbox"), m_state.path("ftp-root")}),
      m_smtp(Python, {script("smtp_site.py"), "%PORT%", m_state.path("inbox")}) {}

bool DemoSites::start() {
    return m_http.start(QByteArray()) && m_ftp.start("220") && m_smtp.start("220");
}

QString DemoSites::log() const {
    return m_http.log() + m_ftp.log() + m_smtp.log();
}

bool DemoSites::point(const QString& workspace) const {
    QProcess p;
    p.start(Python, {script("point_workspace.py"), workspace, QString::number(m_http.port()),
                     QString::number(m_ftp.port()), QString::number(m_smtp.port())});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QStringList DemoSites::folders() const {
    return QDir(m_state.path("inbox")).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList DemoSites::received() const {
    QStringList lines;
    for (const QString& folder : folders())
        lines << summary(
            QJsonDocument::fromJson(m_state.read("inbox/" + folder + "/meta.json")).object());
    return lines;
}

QByteArray DemoSites::kept(int index, const QString& name) const {
    const QStringList all = folders();
    return index < all.size() ? m_state.read("inbox/" + all[index] + "/" + name) : QByteArray();
}

QString DemoSites::frontPage() const {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_http.port());
    if (!socket.waitForConnected(5000))
        return {};
    socket.write("GET / HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(5000))
        reply += socket.readAll();
    reply += socket.readAll();
    return QString::fromUtf8(reply.mid(reply.indexOf("\r\n\r\n") + 4));
}
