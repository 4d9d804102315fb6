#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One reply of a mail server, one line or several ("250-..." lines up to the "250 ..." one).
// Bounded, so a server cannot make the client keep reading or keep memory without end.
class SmtpReply {
public:
    static constexpr qsizetype MaxLineLength = 1024;
    static constexpr int MaxLines = 1000;

    // Takes the next line (its end already removed); true once the reply is whole.
    bool add(const QByteArray& line);

    bool isComplete() const { return m_complete; }
    bool isTooLong() const { return m_tooLong; }
    // The number in the first line's first three characters; -1 when there is none.
    int code() const { return m_code; }
    bool isPositive() const { return m_code / 100 == 2; }
    bool isIntermediate() const { return m_code / 100 == 3; }
    // The last line, which carries the server's final word.
    const QString& text() const { return m_text; }
    // Every line's text after the code and its separator (EHLO lists its extensions so).
    const QStringList& lines() const { return m_lineTexts; }

private:
    static int codeOf(const QByteArray& line);

    int m_code = -1;
    QByteArray m_prefix; // the first line's code, while more lines are due
    QString m_text;
    QStringList m_lineTexts;
    int m_lines = 0;
    bool m_complete = false;
    bool m_tooLong = false;
};
