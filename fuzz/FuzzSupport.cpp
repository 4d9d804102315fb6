#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

void startQt() {
    static int argc = 1;
    static char name[] = "shipkit-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

const QString& scratchDir() {
    // In memory where the system offers it: the readers' writes are synced, and a disk would
    // set the pace of every run.
    static const QString shm = QStringLiteral("/dev/shm");
    static QTemporaryDir dir((QDir(shm).exists() ? shm : QDir::tempPath()) +
                             QStringLiteral("/shipkit-fuzz-XXXXXX"));
    static const QString path = []() -> QString {
        check(dir.isValid(), "the scratch folder could not be created");
        return dir.path() + u'/';
    }();
    return path;
}

const Workspace& workspace() {
    static const Workspace w = [] {
        const Workspace made = Workspace::at(scratchDir());
        for (const QString& folder : made.folders())
            check(QDir().mkpath(folder), "a workspace folder could not be created");
        return made;
    }();
    return w;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "a scratch file cannot be opened");
    check(file.write(bytes) == bytes.size(), "a scratch file cannot be written");
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "Invariant broken: %s\n", what);
    std::abort();
}

} // namespace FuzzSupport
