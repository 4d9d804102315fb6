#include "net/TNetHTTP.h"

#include "net/ENetHTTP.h"
#include "net/HttpHeaderLine.h"
#include "net/HttpRequestHead.h"

#include <QFile>
#include <QScopeGuard>

namespace {

const QString FileErrorText = QStringLiteral("Can't open file for reading/writing.");
const QString IncompleteText = QStringLiteral("Connection closed before the end of the answer.");
// Small bodies go out with the head in one write; big ones are not copied for it.
constexpr qsizetype JoinLimit = 64 * 1024;

} // namespace

TNetHTTP::TNetHTTP(QObject* parent) : CIPPortMsgPlusFile(nullptr, parent) {
    m_userAgent = defaultUserAgent();
}

TNetHTTP::~TNetHTTP() = default;

QString TNetHTTP::defaultUserAgent() {
    return QStringLiteral("Shipkit/" SHIPKIT_VERSION);
}

void TNetHTTP::throwError(int number, const QString& text) const {
    throw ENetHTTP(number, text);
}

void TNetHTTP::setAction(int action) {
    if (action < httpIdle || action > httpPut)
        throw ShipkitError(QStringLiteral("Invalid Action Value"));
    setAction(static_cast<TNetHTTPActions>(action));
}

void TNetHTTP::setAction(TNetHTTPActions action) {
    switch (action) {
    case httpIdle:
        interrupt();
        closeConnection();
        return;
    case httpResetHeaders:
        resetHeaders();
        return;
    case httpGet:
        return request(action, QStringLiteral("GET"), false);
    case httpHead:
        return request(action, QStringLiteral("HEAD"), false);
    case httpPost:
        return request(action, QStringLiteral("POST"), true);
    case httpPut:
        return request(action, QStringLiteral("PUT"), true);
    }
    throw ShipkitError(QStringLiteral("Invalid Action Value"));
}

void TNetHTTP::setURL(const QString& url) {
    const HttpUrl parsed = HttpUrl::parse(url);
    // Credentials belong to the server they were given for.
    if (!m_url.host().isEmpty() && parsed.host() != m_url.host()) {
        m_user.clear();
        m_password.clear();
        m_authorization.clear();
    }
    m_urlText = url;
    m_url = parsed;
}

void TNetHTTP::setUser(const QString& user) {
    m_user = user;
    updateAuthorization();
}

void TNetHTTP::setPassword(const QString& password) {
    m_password = password;
    updateAuthorization();
}

void TNetHTTP::updateAuthorization() {
    m_authorization.clear();
    if (m_user.isEmpty() || m_password.isEmpty())
        return;
    const QString pair = QString(m_user + u':' + m_password).left(185);
    m_authorization = QStringLiteral("Basic ") + QString::fromLatin1(pair.toUtf8().toBase64());
}

void TNetHTTP::resetHeaders() {
    m_urlText.clear();
    m_url = HttpUrl();
    m_postData.clear();
    m_contentType.clear();
    m_user.clear();
    m_password.clear();
    m_authorization.clear();
    m_accept.clear();
    m_from.clear();
    m_ifModifiedSince.clear();
    m_referer.clear();
    m_pragma.clear();
    m_otherHeaders.clear();
    m_statusLine.clear();
    m_attachedFile.clear();
    m_localFile.clear();
}

void TNetHTTP::request(TNetHTTPActions action, const QString& method, bool withBody) {
    if (isOpen() || m_action != httpIdle)
        throwError(HostBusy, QStringLiteral("You cannot change the RemoteHost at this time. A "
                                            "connection is in progress."));
    beginAction();
    clearError();
    m_statusLine.clear();
    setLastReply(QString());
    m_action = action;
    exchange(method, withBody);
    closeLocalFile();
    m_action = httpIdle;
    if (LastError() != 0)
        closeConnection();
    raiseIfError();
}

void TNetHTTP::exchange(const QString& method, bool withBody) {
    if (m_url.host().isEmpty())
        return setError(NoServer, QStringLiteral("No server specified in URL."));
    const bool proxied = !m_proxyServer.isEmpty();
    const bool secure = m_url.secure();
    if (!proxied && !secure && m_url.scheme().toLower() != QStringLiteral("http"))
        return setError(BadScheme, QStringLiteral("Specified URLScheme is invalid."));
    QFile attached(m_attachedFile);
    qint64 bodyLength = m_postData.size();
    if (withBody && !m_attachedFile.isEmpty()) {
        if (!attached.open(QIODevice::ReadOnly))
            return setError(FileError, FileErrorText);
        bodyLength += attached.size();
    }
    const bool tunnelled = proxied && secure;
    const QString target = proxied && !secure ? m_url.absolute() : m_url.path();
    QByteArray head = composeHead(method, target, withBody, bodyLength);
    if (head.isEmpty())
        return setError(HeaderLineBreak, QStringLiteral("A request header holds a line break."));
    resetAnswer(method == QStringLiteral("HEAD"));
    setRemoteHost(proxied ? m_proxyServer : m_url.host());
    setRemotePort(proxied ? m_proxyPort : m_url.port());
    setImplicitTls(secure && !proxied);
    if (const int err = connectAndWait())
        return setLayerError(err);
    if (tunnelled && !openTunnel())
        return;
    const bool joined = withBody && m_postData.size() <= JoinLimit;
    if (joined)
        head += m_postData;
    if (!sendRequest(head, withBody && !joined, attached))
        return;
    if (waitForClose() != 0)
        return setLayerError(Interrupted);
    checkAnswer();
}

bool TNetHTTP::openTunnel() {
    m_tunnelling = true;
    const auto readAnswer = qScopeGuard([this] { m_tunnelling = false; });
    HttpRequestHead head(QStringLiteral("CONNECT"),
                         m_url.host() + u':' + QString::number(m_url.port()));
    head.addHeader(QStringLiteral("Host"), m_url.host() + u':' + QString::number(m_url.port()));
    head.addHeader(QStringLiteral("User-Agent"), m_userAgent);
    head.end();
    if (head.hasLineBreak()) {
        setError(HeaderLineBreak, QStringLiteral("A request header holds a line break."));
        return false;
    }
    if (const int err = sendBytes(head.bytes())) {
        setLayerError(err);
        return false;
    }
    if (!readTunnelAnswer())
        return false;
    if (const int err = secureAndWait(m_url.host())) {
        setLayerError(err);
        return false;
    }
    return true;
}

bool TNetHTTP::readTunnelAnswer() {
    QByteArray line;
    if (waitForLine(line) != 0) {
        setError(AnswerIncomplete, QStringLiteral("The proxy closed the connection before it "
                                                  "answered the tunnel request."));
        return false;
    }
    const QString status = QString::fromLatin1(line);
    setLastReply(status);
    const qsizetype space = status.indexOf(u' ');
    if (space < 0 || status.mid(space + 1, 1) != QStringLiteral("2")) {
        setError(StatusNotOk,
                 QStringLiteral("proxy: ") + (space < 0 ? status : status.mid(space + 1)));
        return false;
    }
    do {
        if (waitForLine(line) != 0) {
            setError(AnswerIncomplete, IncompleteText);
            return false;
        }
    } while (!line.isEmpty());
    return true;
}

bool TNetHTTP::sendRequest(const QByteArray& head, bool postDataApart, QFile& attached) {
    int err = sendBytes(head);
    if (err == 0 && postDataApart)
        err = sendBytes(m_postData);
    if (err == 0 && attached.isOpen())
        err = sendFile(attached, attached.size());
    if (err == FileReadFailed) {
        setError(FileError, FileErrorText);
        return false;
    }
    // A server may answer and close before it has taken the whole body; its answer counts.
    if (err != 0 && (err == Interrupted || !m_gotStatus)) {
        setLayerError(err);
        return false;
    }
    return true;
}

QByteArray TNetHTTP::composeHead(const QString& method, const QString& target, bool withBody,
                                 qint64 bodyLength) const {
    HttpRequestHead head(method, target);
    // Many sites share one address: the server picks the site by this header.
    head.addHeader(QStringLiteral("Host"), m_url.authority());
    head.addHeader(QStringLiteral("Authorization"), m_authorization);
    head.addHeader(QStringLiteral("Accept"), m_accept);
    head.addHeader(QStringLiteral("From"), m_from);
    head.addHeader(QStringLiteral("User-Agent"), m_userAgent);
    head.addHeader(QStringLiteral("If-Modified-Since"), m_ifModifiedSince);
    head.addHeader(QStringLiteral("Referer"), m_referer);
    head.addHeader(QStringLiteral("Pragma"), m_pragma);
    for (const QString& line : m_otherHeaders)
        head.addLine(line);
    if (withBody) {
        head.addHeader(QStringLiteral("Content-Type"), m_contentType);
        head.addHeader(QStringLiteral("Content-Length"), QString::number(bodyLength));
    }
    head.end();
    return head.hasLineBreak() ? QByteArray() : head.bytes();
}

void TNetHTTP::checkAnswer() {
    if (!m_gotStatus && m_recvError)
        return setError(m_recvError);
    if (!m_gotStatus)
        return setError(AnswerIncomplete,
                        QStringLiteral("Connection closed before an answer arrived."));
    if (!m_success) {
        const qsizetype space = m_statusLine.indexOf(u' ');
        const QString code = space < 0 ? QString() : m_statusLine.mid(space + 1);
        return setError(StatusNotOk, code.isEmpty() ? m_statusLine : code);
    }
    if (m_recvError)
        return setError(m_recvError);
    if (m_localWriteFailed)
        return setError(FileError, QStringLiteral("Error writing to LocalFile"));
    const bool shortBody = !m_headRequest && m_contentLength >= 0 && m_bodyBytes < m_contentLength;
    if (m_part != AnswerPart::Body || shortBody)
        setError(AnswerIncomplete, IncompleteText);
}

void TNetHTTP::resetAnswer(bool headRequest) {
    m_splitter.reset();
    m_part = AnswerPart::StatusLine;
    m_gotStatus = false;
    m_success = false;
    m_headRequest = headRequest;
    m_bodyBytes = 0;
    m_contentLength = -1;
    m_local.reset();
    m_localWriteFailed = false;
    m_recvError = 0;
}

void TNetHTTP::dataArrived(const QByteArray& data) {
    if (m_tunnelling)
        return CIPPortMsg::dataArrived(data);
    if (m_part == AnswerPart::Body)
        return deliverBody(m_splitter.raw(data));
    m_splitter.append(data);
    QByteArray line;
    while (m_part != AnswerPart::Body && m_splitter.nextLine(line))
        handleLine(line);
    if (m_part == AnswerPart::Body)
        deliverBody(m_splitter.takeRest());
}

void TNetHTTP::handleLine(const QByteArray& bytes) {
    const QString line = QString::fromLatin1(bytes);
    if (m_part == AnswerPart::StatusLine)
        return handleStatusLine(line);
    if (line.isEmpty())
        return startBody();
    const HttpHeaderLine header = HttpHeaderLine::parse(line);
    if (header.field().compare(QStringLiteral("Content-Length"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const qint64 length = header.value().trimmed().toLongLong(&ok);
        m_contentLength = ok && length >= 0 ? length : -1;
    }
    Q_EMIT this->header(header.field(), header.value());
}

void TNetHTTP::handleStatusLine(const QString& line) {
    m_statusLine = line;
    setLastReply(line);
    m_gotStatus = true;
    m_bodyBytes = 0;
    const qsizetype space = line.indexOf(u' ');
    m_success = space >= 0 && space + 1 < line.size() && line.at(space + 1) == u'2';
    m_part = AnswerPart::Headers;
}

void TNetHTTP::startBody() {
    m_part = AnswerPart::Body;
    if (!m_localFile.isEmpty() && m_success) {
        m_local = std::make_unique<QFile>(m_localFile);
        if (!m_local->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_local.reset();
            setError(FileError, FileErrorText);
            closeConnection();
            return;
        }
    }
    Q_EMIT startTransfer();
}

void TNetHTTP::deliverBody(const QByteArray& chunk) {
    if (chunk.isEmpty())
        return;
    m_bodyBytes += chunk.size();
    if (m_local && m_local->write(chunk) != chunk.size()) {
        const int number = static_cast<int>(m_local->error());
        m_local.reset();
        m_localWriteFailed = true;
        Q_EMIT error(number, QStringLiteral("Error writing to LocalFile"));
    }
    Q_EMIT transfer(m_bodyBytes, chunk);
}

void TNetHTTP::receiveError(int number) {
    m_recvError = number;
    Q_EMIT error(number, QStringLiteral("Winsock error in recv() "));
}

void TNetHTTP::connectionClosed() {
    if (m_part != AnswerPart::Body) {
        // A last line cut off by the close still counts.
        const QByteArray rest = m_splitter.takeRest();
        if (!rest.isEmpty())
            handleLine(rest);
    }
    closeLocalFile();
    Q_EMIT endTransfer();
}

void TNetHTTP::closeLocalFile() {
    if (!m_local)
        return;
    if (!m_local->flush()) {
        m_localWriteFailed = true;
        Q_EMIT error(static_cast<int>(m_local->error()),
                     QStringLiteral("Error writing to LocalFile"));
    }
    m_local.reset();
}
