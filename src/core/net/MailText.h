#pragma once

#include <QByteArray>
#include <QList>

// An encoded message in pieces: bytes as they go, and attached files that go as Base64, kept
// as their own bytes (shared, not copied) and encoded only as the text is read. Sending can so
// start at once, and a big file is never held a second time, encoded.
class MailText {
public:
    void append(const QByteArray& bytes);
    // Base64 lines of 76 characters, each ended by CR LF.
    void appendBase64(const QByteArray& data);

    qint64 size() const { return m_size; }
    QByteArray toByteArray() const;

private:
    friend class MailTextReader;
    struct Piece {
        QByteArray data;
        bool base64;
    };

    QList<Piece> m_pieces;
    qint64 m_size = 0;
};
