#include "records/TextHelpers.h"

#include "records/ListFile.h"

namespace {

// A whole decimal number with optional leading blanks and sign; 64 bits, so archives
// over 2 GB keep their size.
bool readDecimal(const QString& text, qint64& value) {
    QStringView s(text);
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.sliced(1);
    bool ok = false;
    value = s.toLongLong(&ok, 10);
    return ok;
}

QString twoDigits(int n) {
    return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

void wrapLine(QString rest, int width, QStringList& out) {
    if (rest.isEmpty()) {
        out.append(QString());
        return;
    }
    while (!rest.isEmpty()) {
        if (rest.size() <= width) {
            out.append(rest);
            return;
        }
        const qsizetype p = rest.indexOf(u' ') + 1;
        if (p == 0 || p > width) {
            out.append(rest.left(width));
            rest.remove(0, width);
            continue;
        }
        QString piece;
        for (qsizetype q = p; q > 0; q = rest.indexOf(u' ') + 1) {
            if (q + piece.size() > width)
                break;
            piece += rest.left(q);
            rest.remove(0, q);
        }
        out.append(piece);
    }
}

} // namespace

namespace TextHelpers {

QString BytesToKb(const QString& bytes) {
    qint64 n = 0;
    if (!readDecimal(bytes, n))
        n = 0;
    return n > 1024 ? QString::number(n / 1024) : QStringLiteral("1");
}

QString BytesToMb(const QString& bytes) {
    qint64 k = 0;
    if (!readDecimal(BytesToKb(bytes), k))
        return QStringLiteral("0");
    QString text = QString::number(static_cast<double>(k) * 0.0009765625, 'g', 15);
    const qsizetype point = text.indexOf(u'.');
    if (point >= 0)
        text.truncate(point + 3);
    return text;
}

QString StampNow(const QDateTime& now) {
    const QDate d = now.date();
    const QTime t = now.time();
    return QStringList{QString::number(d.year()), twoDigits(d.month()),  twoDigits(d.day()),
                       twoDigits(t.hour()),       twoDigits(t.minute()), twoDigits(t.second()),
                       twoDigits(t.msec())}
        .join(u'-');
}

QString& StripLeadingSpaces(QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == u' ')
        ++n;
    text.remove(0, n);
    return text;
}

QString& StripTrailingSpaces(QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == u' ')
        --n;
    text.truncate(n);
    return text;
}

QString& StripSpaces(QString& text) {
    return StripTrailingSpaces(StripLeadingSpaces(text));
}

QString EncodeSpaces(const QString& text) {
    QString out = text;
    return out.replace(u' ', QStringLiteral("%20"));
}

QString EncodeLineBreaks(const QString& text) {
    QString out = text;
    out.replace(u'\r', QStringLiteral("%20"));
    return out.remove(u'\n');
}

QString WrapLines(const QString& text, int width) {
    if (text.isEmpty())
        return QString();
    // A width below one could never consume text.
    width = std::max(width, 1);
    QStringList out;
    for (const QString& line : splitLines(text))
        wrapLine(line, width, out);
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace TextHelpers
