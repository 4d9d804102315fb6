#include "records/IniText.h"

#include <limits>

namespace {

// Calls f(line, index) for each line, split as list files are; stops when f returns false.
template <class F> void forEachLine(QStringView text, F f) {
    const qsizetype n = text.size();
    qsizetype start = 0;
    qsizetype index = 0;
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        if (!f(text.sliced(start, i - start), index++))
            return;
        i += (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ? 2 : 1;
        start = i;
    }
    if (start < n)
        f(text.sliced(start), index);
}

// A section line "[name]": the name between the bracket and the first closing bracket.
bool sectionName(QStringView line, QStringView& name) {
    const QStringView t = line.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const qsizetype close = t.indexOf(u']');
    name = (close < 0 ? t.sliced(1) : t.sliced(1, close - 1)).trimmed();
    return true;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquote(QStringView value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.sliced(1, value.size() - 2).toString();
    }
    return value.toString();
}

bool parseHex(QStringView digits, qint64& value) {
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    bool ok = false;
    value = digits.toLongLong(&ok, 16);
    return ok && !digits.startsWith(u'-') && !digits.startsWith(u'+');
}

} // namespace

namespace IniText {

// Where a section and a key stand in the lines of a file.
namespace {

// Feeds lines one by one; false once the answer cannot change any more.
struct Locator {
    QStringView section;
    QStringView key;
    KeyPosition pos;

    bool feed(QStringView line, qsizetype i) {
        QStringView name;
        if (sectionName(line, name)) {
            if (pos.section >= 0)
                return false;
            if (sameName(name, section))
                pos.section = pos.lastContent = i;
            return true;
        }
        if (pos.section < 0)
            return true;
        if (!line.trimmed().isEmpty())
            pos.lastContent = i;
        const qsizetype eq = line.indexOf(u'=');
        if (pos.key < 0 && eq >= 0 && sameName(line.first(eq).trimmed(), key)) {
            pos.key = i;
            pos.value = unquote(line.sliced(eq + 1).trimmed());
        }
        return true;
    }
};

} // namespace

KeyPosition locate(QStringView text, QStringView section, QStringView key) {
    Locator locator{section, key, {}};
    forEachLine(text, [&](QStringView line, qsizetype i) { return locator.feed(line, i); });
    return locator.pos;
}

KeyPosition locate(const QStringList& lines, QStringView section, QStringView key) {
    Locator locator{section, key, {}};
    for (qsizetype i = 0; i < lines.size() && locator.feed(lines[i], i); ++i) {
    }
    return locator.pos;
}

bool parseInt(const QString& text, int& value) {
    QStringView s(text);
    qint64 v = 0;
    if (s.size() > 2 && (s.startsWith(u"0x") || s.startsWith(u"0X"))) {
        if (!parseHex(s.sliced(2), v))
            return false;
        value = static_cast<int>(static_cast<quint32>(v));
        return true;
    }
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.sliced(1);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = s.sliced(1);
    }
    if (!s.isEmpty() && s.front() == u'$') {
        if (!parseHex(s.sliced(1), v))
            return false;
        v = static_cast<int>(static_cast<quint32>(v));
    } else {
        for (const QChar c : s)
            if (c < u'0' || c > u'9')
                return false;
        bool ok = false;
        v = s.toLongLong(&ok);
        if (!ok || s.isEmpty())
            return false;
    }
    v = negative ? -v : v;
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace IniText
