#include "update/ArchiveDownload.h"

#include "base/ScopeGuard.h"
#include "net/ENetHTTP.h"

#include <QFile>

namespace {

const QString kTooBig = QStringLiteral("The server sent more than %1 MB, which is no site data "
                                       "archive. Check the address UPDATEURL in settings.dat.")
                            .arg(ArchiveDownload::MaxBytes >> 20);
const QString kTooManyHeaders =
    QStringLiteral("The server sent more than %1 header lines, which no site data archive needs. "
                   "Check the address UPDATEURL in settings.dat.")
        .arg(ArchiveDownload::MaxHeaderLines);

} // namespace

ArchiveDownload::ArchiveDownload(QObject* parent) : QObject(parent) {
    m_http.setUserAgent(QStringLiteral("Veltrow"));
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("The update server did not answer for %1 seconds. Try again later.")
                 .arg(m_silence.interval() / 1000));
    });
    connect(&m_http, &TNetHTTP::connected, this,
            [this](int, const QString& d) { onConnection("Connected: ", d); });
    connect(&m_http, &TNetHTTP::disconnected, this,
            [this](int, const QString& d) { onConnection("Disconnected: ", d); });
    connect(&m_http, &TNetHTTP::header, this, &ArchiveDownload::onHeader);
    connect(&m_http, &TNetHTTP::transfer, this,
            [this](qint64 bytes, const QByteArray&) { onTransfer(bytes); });
}

qint64 ArchiveDownload::announcedSize(const QString& contentLength) {
    const QString text = contentLength.trimmed();
    for (const QChar c : text)
        if (c < u'0' || c > u'9')
            return -1;
    bool ok = false;
    const qint64 size = text.toLongLong(&ok);
    return ok && size > 0 ? size : -1;
}

void ArchiveDownload::fetch(const UpdateRequest& request, const QString& localFile) {
    m_expected = -1;
    m_headerLines = 0;
    m_countShown = false;
    m_stopReason.clear();
    m_http.setURL(request.url);
    m_http.setLocalFile(localFile);
    request.proxy.applyTo(m_http);
    m_http.setTlsPolicy(request.tls);
    m_silence.setInterval(request.timeOutSeconds * 1000);
    Q_EMIT status(QStringLiteral("Connecting to Tallmark Server"));
    m_silence.start();
    const ScopeGuard stopTimer([this] { m_silence.stop(); });
    try {
        m_http.setAction(httpGet);
    } catch (const ENetHTTP& error) {
        fail(localFile, failure(error, request.url));
    }
    // A stop in the answer's last moment may find the exchange already complete.
    if (!m_stopReason.isEmpty())
        fail(localFile, m_stopReason);
}

void ArchiveDownload::cancel() {
    stop(QStringLiteral("The download was cancelled."));
}

void ArchiveDownload::fail(const QString& localFile, const QString& reason) {
    QFile::remove(localFile);
    throw ShipkitError(reason);
}

QString ArchiveDownload::failure(const ENetHTTP& error, const QString& url) const {
    if (!m_stopReason.isEmpty())
        return m_stopReason;
    return QStringLiteral("Cannot download %1 (%2). Check the address (UPDATEURL in settings.dat), "
                          "the proxy settings and your connection, then try again.")
        .arg(url, error.message());
}

void ArchiveDownload::stop(const QString& reason) {
    if (m_stopReason.isEmpty())
        m_stopReason = reason;
    if (m_http.Action() != httpIdle)
        m_http.setAction(httpIdle);
}

void ArchiveDownload::onConnection(const char* what, const QString& description) {
    m_silence.start();
    Q_EMIT tracked(QLatin1String(what) + description, false);
}

void ArchiveDownload::onHeader(const QString& field, const QString& value) {
    m_silence.start();
    if (++m_headerLines > MaxHeaderLines)
        return stop(kTooManyHeaders);
    Q_EMIT tracked(QStringLiteral("Header: ") + field + u':' + value, false);
    if (field.toUpper() != QLatin1String("CONTENT-LENGTH"))
        return;
    m_expected = announcedSize(value);
    if (m_expected > MaxBytes)
        stop(kTooBig);
}

void ArchiveDownload::onTransfer(qint64 bytes) {
    m_silence.start();
    if (bytes > MaxBytes)
        return stop(kTooBig);
    // One running count: the first chunk adds its line, later ones rewrite it.
    Q_EMIT tracked(QString::number(bytes) + QStringLiteral(" bytes written"), m_countShown);
    m_countShown = true;
    const QString total =
        m_expected < 0 ? QString() : QStringLiteral(" of %1K").arg(m_expected / 1024);
    Q_EMIT status(QStringLiteral("Received %1K").arg(bytes / 1024) + total);
    Q_EMIT received(bytes, m_expected);
}
