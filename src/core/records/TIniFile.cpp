#include "records/TIniFile.h"

#include "records/AtomicWrite.h"
#include "records/ListFile.h"
#include "records/ShipkitError.h"
#include "records/TextCodec.h"

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

// Where a section and a key stand in the lines of a file.
struct KeyPosition {
    qsizetype section = -1;     // index of the first matching section line
    qsizetype lastContent = -1; // last non-blank line of that section
    qsizetype key = -1;         // first matching key line in it
    QString value;
};

KeyPosition locate(QStringView text, QStringView section, QStringView key) {
    KeyPosition pos;
    forEachLine(text, [&](QStringView line, qsizetype i) {
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
    });
    return pos;
}

bool parseHex(QStringView digits, qint64& value) {
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    bool ok = false;
    value = digits.toLongLong(&ok, 16);
    return ok && !digits.startsWith(u'-') && !digits.startsWith(u'+');
}

// A single-line value: a line break would split the record into forged lines.
QString oneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

bool TIniFile::parseInt(const QString& text, int& value) {
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

QString TIniFile::readText() const {
    return TextCodec::decode(TextCodec::readFile(m_path));
}

QString TIniFile::ReadKey(const QString& section, const QString& key, const QString& def) const {
    const KeyPosition pos = locate(readText(), section, key);
    return pos.key < 0 ? def : pos.value.left(MaxValueLength);
}

int TIniFile::ReadKeyInt(const QString& section, const QString& key, int def) const {
    int value = def;
    return parseInt(ReadKey(section, key, QString()), value) ? value : def;
}

bool TIniFile::ReadKeyFlag(const QString& section, const QString& key, bool def) const {
    return ReadKeyInt(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteKey(const QString& section, const QString& key, const QString& value) const {
    const QString text = readText();
    const KeyPosition pos = locate(text, section, key);
    QStringList lines = splitLines(text);
    const QString line = key + u'=' + oneLine(value);
    if (pos.key >= 0) {
        lines[pos.key] = line;
    } else if (pos.section >= 0) {
        lines.insert(pos.lastContent + 1, line);
    } else {
        lines.append(u'[' + section + u']');
        lines.append(line);
    }
    if (!writeFileAtomically(m_path, listFileBytes(lines)))
        throw ShipkitError(QStringLiteral("Unable to write to %1").arg(m_path));
}

void TIniFile::WriteKeyInt(const QString& section, const QString& key, int value) const {
    WriteKey(section, key, QString::number(value));
}

void TIniFile::WriteKeyFlag(const QString& section, const QString& key, bool value) const {
    WriteKey(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
