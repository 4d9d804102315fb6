// List files: the items read, the names kept from them, and a save that reads back the same.
#include "FuzzSupport.h"
#include "records/ListFile.h"
#include "records/NameList.h"

#include <QFile>

namespace {

bool survivesSaving(const QStringList& items) {
    for (const QString& item : items)
        if (!item.isValidUtf16())
            return false; // a broken UTF-16 pair cannot be written as UTF-8
    // A leading U+FEFF is written as the byte-order mark that reading drops.
    return items.isEmpty() || !items.first().startsWith(QChar(0xFEFF));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::startQt();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::scratchDir() + QStringLiteral("list.dat");
    FuzzSupport::writeFile(path, FuzzSupport::bytesOf(data, size));
    const QStringList items = LoadList(path);
    int named = 0;
    for (const QString& item : items) {
        FuzzSupport::check(!item.contains(u'\r') && !item.contains(u'\n'),
                           "an item holds a line end");
        FuzzSupport::check(!item.contains(QChar(0)), "an item holds a NUL");
        named += item.isEmpty() ? 0 : 1;
    }
    QuietPrompter prompter;
    const QStringList names = NameList::load(path, prompter);
    FuzzSupport::check(names.size() + prompter.messages == named,
                       "a name was neither kept nor reported");
    for (const QString& name : names)
        FuzzSupport::check(items.contains(name), "a kept name is not an item of the file");
    if (!survivesSaving(items))
        return 0;
    const QString copy = FuzzSupport::scratchDir() + QStringLiteral("copy.dat");
    SaveList(items, copy);
    FuzzSupport::check(LoadList(copy) == items, "a saved list reads back differently");
    QFile saved(copy);
    FuzzSupport::check(saved.open(QIODevice::ReadOnly) && saved.readAll() == listFileBytes(items),
                       "SaveList wrote other bytes than listFileBytes");
    return 0;
}
