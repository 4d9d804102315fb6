#pragma once

#include <QByteArrayView>
#include <QList>

// Text cut into lines at CR, LF or CR LF, the way a mail's text lines are read. Views into the
// given text, which must outlive them.
class TextLines {
public:
    explicit TextLines(QByteArrayView text);

    const QList<QByteArrayView>& lines() const { return m_lines; }
    // False when the text stops in the middle of its last line.
    bool endsWithBreak() const { return m_endsWithBreak; }

private:
    QList<QByteArrayView> m_lines;
    bool m_endsWithBreak = true;
};
