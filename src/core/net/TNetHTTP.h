#pragma once

#include "net/CIPPortMsgPlusFile.h"
#include "net/HttpUrl.h"

#include <QStringList>
#include <memory>

class QFile;

enum TNetHTTPActions { httpIdle, httpGet, httpPost, httpHead, httpResetHeaders, httpPut };

// The HTTP/1.0 client; "https" addresses go over TLS. Set the properties, then assign Action: the
// call returns when the server has closed the connection, and the answer arrives through the
// signals while it runs. A failed request raises ENetHTTP ("151: 404 Not Found" and the like).
class TNetHTTP : public CIPPortMsgPlusFile {
    Q_OBJECT
public:
    static constexpr int StatusNotOk = 151;
    static constexpr int NoServer = 152;
    static constexpr int BadScheme = 153;
    static constexpr int AnswerIncomplete = 154;
    static constexpr int HeaderLineBreak = 155;
    static constexpr int FileError = 302;

    explicit TNetHTTP(QObject* parent = nullptr);
    ~TNetHTTP() override;

    TNetHTTPActions Action() const { return m_action; }
    void setAction(TNetHTTPActions action);
    // For values from outside the enumeration: anything but 0 to 5 is refused.
    void setAction(int action);

    const QString& URL() const { return m_urlText; }
    void setURL(const QString& url);
    const HttpUrl& urlParts() const { return m_url; }
    const QByteArray& PostData() const { return m_postData; }
    void setPostData(const QByteArray& data) { m_postData = data; }
    const QString& ContentType() const { return m_contentType; }
    void setContentType(const QString& type) { m_contentType = type; }
    const QString& AttachedFile() const { return m_attachedFile; }
    void setAttachedFile(const QString& path) { m_attachedFile = path; }
    const QString& LocalFile() const { return m_localFile; }
    void setLocalFile(const QString& path) { m_localFile = path; }
    const QString& ProxyServer() const { return m_proxyServer; }
    void setProxyServer(const QString& host) { m_proxyServer = host; }
    quint16 ProxyPort() const { return m_proxyPort; }
    void setProxyPort(quint16 port) { m_proxyPort = port; }
    const QString& User() const { return m_user; }
    void setUser(const QString& user);
    const QString& Password() const { return m_password; }
    void setPassword(const QString& password);
    const QString& Authorization() const { return m_authorization; }
    const QString& Accept() const { return m_accept; }
    void setAccept(const QString& value) { m_accept = value; }
    const QString& UserAgent() const { return m_userAgent; }
    void setUserAgent(const QString& value) { m_userAgent = value; }
    const QString& From() const { return m_from; }
    void setFrom(const QString& value) { m_from = value; }
    const QString& IfModifiedSince() const { return m_ifModifiedSince; }
    void setIfModifiedSince(const QString& value) { m_ifModifiedSince = value; }
    const QString& Referer() const { return m_referer; }
    void setReferer(const QString& value) { m_referer = value; }
    const QString& Pragma() const { return m_pragma; }
    void setPragma(const QString& value) { m_pragma = value; }
    const QStringList& OtherHeaders() const { return m_otherHeaders; }
    void setOtherHeaders(const QStringList& lines) { m_otherHeaders = lines; }
    const QString& StatusLine() const { return m_statusLine; }

    static QString defaultUserAgent();

Q_SIGNALS:
    void header(const QString& field, const QString& value);
    void startTransfer();
    // bytesTransferred: running total of body bytes; text: this chunk.
    void transfer(qint64 bytesTransferred, const QByteArray& text);
    void endTransfer();

protected:
    [[noreturn]] void throwError(int number, const QString& text) const override;
    void dataArrived(const QByteArray& data) override;
    void receiveError(int number) override;
    void connectionClosed() override;

private:
    enum class AnswerPart { StatusLine, Headers, Body };

    void request(TNetHTTPActions action, const QString& method, bool withBody);
    void exchange(const QString& method, bool withBody);
    // HTTPS through the proxy: CONNECT, then TLS inside the tunnel. False after setting the error.
    bool openTunnel();
    bool readTunnelAnswer();
    bool sendRequest(const QByteArray& head, bool postDataApart, QFile& attached);
    QByteArray composeHead(const QString& method, const QString& target, bool withBody,
                           qint64 bodyLength) const;
    void checkAnswer();
    void resetAnswer(bool headRequest);
    void handleLine(const QByteArray& line);
    void handleStatusLine(const QString& line);
    void startBody();
    void deliverBody(const QByteArray& chunk);
    void closeLocalFile();
    void resetHeaders();
    void updateAuthorization();

    TNetHTTPActions m_action = httpIdle;
    QString m_urlText;
    HttpUrl m_url;
    QByteArray m_postData;
    QString m_contentType, m_attachedFile, m_localFile, m_proxyServer;
    quint16 m_proxyPort = 80;
    QString m_user, m_password, m_authorization;
    QString m_accept, m_userAgent, m_from, m_ifModifiedSince, m_referer, m_pragma;
    QStringList m_otherHeaders;
    QString m_statusLine;

    // The answer being read.
    LineSplitter m_splitter;
    AnswerPart m_part = AnswerPart::StatusLine;
    bool m_gotStatus = false;
    bool m_success = false;
    bool m_headRequest = false;
    qint64 m_bodyBytes = 0;
    qint64 m_contentLength = -1;
    std::unique_ptr<QFile> m_local;
    bool m_localWriteFailed = false;
    int m_recvError = 0;
    bool m_tunnelling = false; // the proxy's answer to CONNECT is being read
};
