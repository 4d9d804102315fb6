#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

namespace {

// Everything on disk under a folder: each entry's kind, size, time and bytes.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QByteArray state = info.isDir() ? "dir" : "file";
        state += ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        if (info.isFile()) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                state += ' ' + file.readAll();
        }
        entries.insert(QDir(root).relativeFilePath(info.filePath()), state);
    }
    return entries;
}

struct ReadingCommand {
    const char* what;
    QStringList args;
};

void PrintTo(const ReadingCommand& c, std::ostream* os) {
    *os << c.what;
}

const ReadingCommand kReaders[] = {
    {"companies", {"companies"}},
    {"apps", {"apps", "--company", "Acme"}},
    {"company show", {"company", "show", "Acme"}},
    {"app show", {"app", "show", "Tool"}},
    {"engines", {"engines"}},
    {"engine show", {"engine", "show", "Alpha"}},
    {"expand", {"expand", "--company", "Acme", "--app", "Tool", "--site", "Alpha", "--text", "x"}},
    {"check-engines", {"check-engines"}},
    {"reports", {"reports"}},
};

// A workspace with some folders missing and a site list that a rebuild would rewrite.
class CliReadOnlyTest : public ::testing::TestWithParam<ReadingCommand> {
protected:
    TempWorkspace ws;
    QStringList lockedFolders;

    void SetUp() override {
        ws.write("companies/companies.dat", "Acme\r\n");
        ws.write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\n");
        ws.write("data/Acme Apps.dat", "Tool\r\n");
        ws.write("data/Tool.dat", "[APPINFO]\r\nVERSION=1\r\n");
        ws.write("data/Tool_SITES.dat", "Gone±New±N/A±N/A±Unknown±Y\n");
        ws.write("sites/Sites.dat", "Alpha\r\n");
        ws.write("sites/Alpha.ini", "[SETTINGS]\r\n");
    }
    void TearDown() override {
        for (const QString& folder : lockedFolders)
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // Every folder read-only, as on a mounted snapshot; false when this user ignores modes.
    bool lockFolders() {
        for (const char* folder : {"companies", "data", "sites", ""}) {
            lockedFolders << ws.path(folder);
            QFile::setPermissions(ws.path(folder), QFile::ReadOwner | QFile::ExeOwner);
        }
        return !QFileInfo(ws.path("data")).isWritable();
    }
};

TEST_P(CliReadOnlyTest, ReadingCommandWritesNothing) {
    const auto before = snapshot(ws.dir());
    const CliRun r = CliRun::inWorkspace(ws, GetParam().args);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(snapshot(ws.dir()), before) << GetParam().what;
}

TEST_P(CliReadOnlyTest, ReadingCommandWorksOnAReadOnlyWorkspace) {
    if (!lockFolders())
        GTEST_SKIP() << "running with rights that ignore folder modes";
    const CliRun r = CliRun::inWorkspace(ws, GetParam().args);
    EXPECT_EQ(r.exitCode, 0) << GetParam().what << ": " << r.err.constData();
}

INSTANTIATE_TEST_SUITE_P(EveryReadingCommand, CliReadOnlyTest, ::testing::ValuesIn(kReaders));

} // namespace
