#pragma once

#include <QByteArray>
#include <QString>

// Text that goes into a header line. A header holds one line: line breaks in a value would let
// it add header lines of its own, so they become spaces.
class MailHeaderText {
public:
    // Free text (the subject): as it is when ASCII, else RFC 2047 encoded words.
    static QByteArray text(const QString& value);
    // A display name: quoted when it holds a character that means something in an address.
    static QByteArray displayName(const QString& name);
    // A whole line given by the caller, kept as it is but for its line breaks.
    static QByteArray line(const QString& value);
    // A parameter value (a file name) in double quotes.
    static QByteArray quoted(const QString& value);

private:
    static QString oneLine(const QString& value);
    static QByteArray encodedWords(const QString& value);
};
