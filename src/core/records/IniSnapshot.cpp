#include "records/IniSnapshot.h"

#include "base/ShipkitError.h"
#include "records/IniText.h"
#include "records/RegularFile.h"
#include "records/TIniFile.h"
#include "records/TextCodec.h"

IniSnapshot::IniSnapshot(const QString& path) {
    const RegularFile::Contents file = RegularFile::read(path);
    if (file.outcome == RegularFile::Outcome::NotRegular)
        throw ShipkitError(QStringLiteral("Cannot open file %1").arg(path), file.reason);
    m_exists = file.outcome == RegularFile::Outcome::Read;
    m_text = TextCodec::decode(file.bytes);
}

bool IniSnapshot::HasKey(const QString& section, const QString& key) const {
    return IniText::locate(m_text, section, key).key >= 0;
}

QString IniSnapshot::ReadKey(const QString& section, const QString& key, const QString& def) const {
    const IniText::KeyPosition pos = IniText::locate(m_text, section, key);
    return pos.key < 0 ? def : pos.value.left(TIniFile::MaxValueLength);
}

int IniSnapshot::ReadKeyInt(const QString& section, const QString& key, int def) const {
    int value = def;
    return IniText::parseInt(ReadKey(section, key, QString()), value) ? value : def;
}

bool IniSnapshot::ReadKeyFlag(const QString& section, const QString& key, bool def) const {
    return ReadKeyInt(section, key, def ? 1 : 0) != 0;
}
