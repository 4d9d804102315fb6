#pragma once

#include "net/TNetHTTP.h"
#include "update/UpdateRequest.h"

#include <QObject>
#include <QTimer>

class ENetHTTP;

// Fetches the update archive into a file, bounded in time and size: a server that stays silent
// for the time-out, or sends more than MaxBytes, is cut off and the partial file removed.
class ArchiveDownload : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MaxBytes = 64LL << 20;
    static constexpr int MaxHeaderLines = 100;

    explicit ArchiveDownload(QObject* parent = nullptr);

    // Raises ShipkitError with the reason; the local file is then gone.
    void fetch(const UpdateRequest& request, const QString& localFile);
    // Ends a download in progress; fetch() then raises "cancelled".
    void cancel();

    // The announced size as a number of bytes: -1 (unknown) unless it is a positive number.
    static qint64 announcedSize(const QString& contentLength);

Q_SIGNALS:
    void status(const QString& text);
    // expected: the announced size, or -1 when the server did not give one.
    void received(qint64 bytes, qint64 expected);
    // A line of the connection trace; replacesLast: it takes the place of the line before it.
    void tracked(const QString& line, bool replacesLast);

private:
    void onConnection(const char* what, const QString& description);
    void onHeader(const QString& field, const QString& value);
    void onTransfer(qint64 bytes);
    void stop(const QString& reason);
    [[noreturn]] static void fail(const QString& localFile, const QString& reason);
    QString failure(const ENetHTTP& error, const QString& url) const;

    TNetHTTP m_http;
    QTimer m_silence;
    qint64 m_expected = -1;
    int m_headerLines = 0;
    bool m_countShown = false;
    QString m_stopReason;
};
