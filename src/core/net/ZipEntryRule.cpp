#include "net/ZipEntryRule.h"

#include <sys/stat.h>

namespace {

constexpr zip_uint32_t kDosFolder = 0x10;

// Archives made on Windows separate folders with "\", so both separators count.
QString lastPart(const QString& name) {
    const qsizetype cut = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    return name.mid(cut + 1);
}

} // namespace

ZipEntryRule ZipEntryRule::judge(const QString& name, zip_uint8_t system, zip_uint32_t attributes) {
    const zip_uint32_t type = system == ZIP_OPSYS_UNIX ? (attributes >> 16) & S_IFMT : 0;
    const QString flat = lastPart(name);
    const bool endsAsFolder = name.endsWith(u'/') || name.endsWith(u'\\');
    if (type == S_IFDIR || (attributes & kDosFolder) || endsAsFolder)
        return {Verdict::Folder, QString(), QStringLiteral("it is a folder")};
    if (type == S_IFLNK)
        return {Verdict::Refuse, QString(), QStringLiteral("it is a symbolic link")};
    if (type != 0 && type != S_IFREG)
        return {Verdict::Refuse, QString(), QStringLiteral("it is not a plain file")};
    if (flat.isEmpty() || flat == u"." || flat == u"..")
        return {Verdict::Refuse, QString(), QStringLiteral("its name holds no file name")};
    return {Verdict::Write, flat, QString()};
}
