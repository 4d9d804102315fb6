#pragma once

#include <QByteArray>
#include <QString>

// The request line and header lines of one HTTP request, each ended by CR LF.
class HttpRequestHead {
public:
    HttpRequestHead(const QString& method, const QString& target);

    // "Name: value"; nothing when the value is empty.
    void addHeader(const QString& name, const QString& value);
    // A header line given whole.
    void addLine(const QString& line);
    // The empty line that ends the headers.
    void end();

    const QByteArray& bytes() const { return m_bytes; }
    // A CR or LF inside a value would let it smuggle in lines of its own.
    bool hasLineBreak() const { return m_lineBreak; }

private:
    void append(const QString& line);

    QByteArray m_bytes;
    bool m_lineBreak = false;
};
