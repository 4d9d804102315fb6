#include "records/IniSnapshot.h"

#include "records/IniText.h"
#include "records/TIniFile.h"
#include "records/TextCodec.h"

IniSnapshot::IniSnapshot(const QString& path) {
    const QByteArray bytes = TextCodec::readFile(path, &m_exists);
    m_text = TextCodec::decode(bytes);
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
