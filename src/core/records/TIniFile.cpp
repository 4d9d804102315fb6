#include "records/TIniFile.h"

#include "base/ShipkitError.h"
#include "records/AtomicWrite.h"
#include "records/IniSnapshot.h"
#include "records/IniText.h"
#include "records/ListFile.h"
#include "records/RegularFile.h"
#include "records/TextCodec.h"

#include <QFileInfo>

namespace {

// A single-line value: a line break would split the record into forged lines.
QString oneLine(QString value) {
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

// One key written into the lines: in place, at the end of its section, or in a new section.
void placeKey(QStringList& lines, const QString& section, const QString& key,
              const QString& value) {
    const IniText::KeyPosition pos = IniText::locate(lines, section, key);
    const QString line = key + u'=' + oneLine(value);
    if (pos.key >= 0) {
        lines[pos.key] = line;
    } else if (pos.section >= 0) {
        lines.insert(pos.lastContent + 1, line);
    } else {
        lines.append(u'[' + section + u']');
        lines.append(line);
    }
}

} // namespace

QString TIniFile::ReadKey(const QString& section, const QString& key, const QString& def) const {
    return IniSnapshot(m_path).ReadKey(section, key, def);
}

int TIniFile::ReadKeyInt(const QString& section, const QString& key, int def) const {
    return IniSnapshot(m_path).ReadKeyInt(section, key, def);
}

bool TIniFile::ReadKeyFlag(const QString& section, const QString& key, bool def) const {
    return IniSnapshot(m_path).ReadKeyFlag(section, key, def);
}

void TIniFile::WriteKey(const QString& section, const QString& key, const QString& value) const {
    WriteKeys(section, {{key, value}});
}

void TIniFile::WriteKeys(const QString& section, const KeyValues& pairs) const {
    const RegularFile::Contents file = RegularFile::read(m_path);
    // A file that is there but cannot be read would lose every other key in the rewrite.
    if (file.outcome == RegularFile::Outcome::NotRegular ||
        (file.outcome == RegularFile::Outcome::CannotOpen && QFileInfo::exists(m_path)))
        throw ShipkitError(QStringLiteral("Unable to write to %1").arg(m_path), file.reason);
    QStringList lines = splitLines(TextCodec::decode(file.bytes));
    for (const auto& [key, value] : pairs)
        placeKey(lines, section, key, value);
    if (const QString reason = writeFileAtomically(m_path, listFileBytes(lines)); !reason.isEmpty())
        throw ShipkitError(QStringLiteral("Unable to write to %1").arg(m_path), reason);
}

void TIniFile::WriteKeyInt(const QString& section, const QString& key, int value) const {
    WriteKey(section, key, QString::number(value));
}

void TIniFile::WriteKeyFlag(const QString& section, const QString& key, bool value) const {
    WriteKey(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
