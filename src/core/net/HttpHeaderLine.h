#pragma once

#include <QString>

// One header line of an answer, cut into field and value.
class HttpHeaderLine {
public:
    // "Field: value" (one space after the colon skipped if present); a line starting with a
    // space or tab gives an empty field; a line without a colon is all field.
    static HttpHeaderLine parse(const QString& line);

    const QString& field() const { return m_field; }
    const QString& value() const { return m_value; }

private:
    QString m_field;
    QString m_value;
};
