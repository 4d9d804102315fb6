// TZipArchiver on real archives in temporary folders: what Add writes is checked by Debian's
// unzip and zipcmp; hostile archives come from tests/support/ZipForge.py.
#include "net/TZipArchiver.h"
#include "support/TempWorkspace.h"

#include <QCryptographicHash>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/resource.h>

namespace {

using Files = std::map<QString, QByteArray>; // name, SHA-1 of the bytes
using Progress = std::tuple<int, qint64, QString>;

int run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    process.waitForFinished(120000);
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QByteArray sha1(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

QByteArray noise(qsizetype size) {
    QByteArray bytes;
    for (QRandomGenerator random(7); bytes.size() < size;)
        bytes.append(static_cast<char>(random.generate()));
    return bytes;
}

const QByteArray kText = QByteArray("Shipkit lists software on download sites.\r\n").repeated(3000);

class ZipTest : public ::testing::Test {
protected:
    ZipTest() {
        QObject::connect(&m_zip, &TZipArchiver::OnMessage,
                         [this](int code, const QString& text) { m_messages[text] = code; });
        QObject::connect(&m_zip, &TZipArchiver::OnProgress,
                         [this](int kind, qint64 size, const QString& name) {
                             m_progress.emplace_back(kind, size, name);
                         });
    }

    QString path(const QString& relative) const { return m_ws.path(relative); }
    void forge(const QString& archive, const QByteArray& code) {
        ASSERT_EQ(run(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(SHIPKIT_SOURCE_DIR "/tests/support/ZipForge.py"),
                       path(archive), QString::fromUtf8(code)}),
                  0);
    }
    // Everything in a folder, hidden entries and sub-folders included.
    Files contents(const QString& folder) const {
        Files found;
        for (const QString& name :
             QDir(path(folder))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            found[name] = sha1(m_ws.read(folder + u'/' + name));
        return found;
    }
    // Damaged archives raise here already (the code is given); what follows must say so again.
    int name(const QString& archive) {
        try {
            m_zip.setZipFilename(archive);
        } catch (const EZipError& error) {
            return error.code();
        }
        return 0;
    }
    EZipError failure(const std::function<void()>& action) {
        try {
            action();
        } catch (const EZipError& error) {
            EXPECT_EQ(m_messages[error.message()], error.code());
            EXPECT_TRUE(m_zip.FSpecArgs().isEmpty());
            return error;
        }
        ADD_FAILURE() << "no EZipError";
        return EZipError(EZipError::NoFiles, QString());
    }

    TempWorkspace m_ws;
    TZipArchiver m_zip;
    std::map<QString, int> m_messages;
    std::vector<Progress> m_progress;
};

using ZipAdd = ZipTest;
using ZipExtract = ZipTest;

// Each step adds its files; a folder "expected" holds what the archive should, by base name.
TEST_F(ZipAdd, OthersReadTheSameFiles) {
    const std::vector<std::pair<const char*, std::vector<Files>>> cases = {
        {"one file", {{{"a/readme.txt", kText}}}},
        {"several, one empty", {{{"a/x.txt", kText}, {"b/ü.bin", noise(300000)}, {"e", ""}}}},
        {"extending", {{{"a/x.txt", kText}}, {{"b/y.bin", noise(1000)}}}},
        {"same name replaces", {{{"a/x.txt", kText}}, {{"b/x.txt", noise(1000)}}}},
    };
    for (size_t c = 0; c < cases.size(); ++c) {
        SCOPED_TRACE(cases[c].first);
        const QString dir = QStringLiteral("c%1/").arg(c), archive = path(dir + "out.zip");
        for (const Files& step : cases[c].second) {
            QStringList paths;
            for (const auto& [relative, bytes] : step) {
                m_ws.write(dir + relative, bytes);
                m_ws.write(dir + "expected/" + QFileInfo(relative).fileName(), bytes);
                paths << path(dir + relative);
            }
            m_zip.setZipFilename(archive);
            m_zip.setFSpecArgs(paths);
            EXPECT_EQ(m_zip.Add(), paths.size());
            EXPECT_TRUE(m_zip.FSpecArgs().isEmpty());
            for (const QString& file : paths)
                m_ws.write(file.mid(m_ws.dir().size()), "changed after adding");
        }
        EXPECT_EQ(run(QStringLiteral("unzip"), {QStringLiteral("-tqq"), archive}), 0);
        EXPECT_EQ(run(QStringLiteral("zipcmp"), {"-qt", path(dir + "expected"), archive}), 0);
        m_zip.setZipFilename(archive);
        QStringList listed = m_zip.Entries();
        listed.sort();
        EXPECT_EQ(listed, QDir(path(dir + "expected")).entryList(QDir::Files, QDir::Name));
    }
}

TEST_F(ZipAdd, BigFileStreamsWithProgress) {
    const qint64 size = qint64(200) << 20;
    QFile big(path(QStringLiteral("big.bin")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(size));
    big.close();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    m_zip.setZipFilename(path(QStringLiteral("big.zip")));
    m_zip.setAddCompLevel(1);
    m_zip.setFSpecArgs({big.fileName()});
    EXPECT_EQ(m_zip.Add(), 1);
    getrusage(RUSAGE_SELF, &after);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes";
    EXPECT_EQ(m_progress.front(), Progress(0, size, QStringLiteral("big.bin")));
    EXPECT_EQ(std::count_if(m_progress.begin(), m_progress.end(),
                            [](const Progress& p) { return std::get<0>(p) == 1; }),
              size / 32768);
    EXPECT_EQ(m_progress.back(), Progress(2, 1, QString()));
    EXPECT_EQ(run(QStringLiteral("unzip"), {QStringLiteral("-tqq"), path("big.zip")}), 0);
}

TEST_F(ZipAdd, FailuresSayWhyAndChangeNothing) {
    const QString keep = path(QStringLiteral("keep.txt"));
    m_ws.write(QStringLiteral("keep.txt"), kText);
    m_ws.write(QStringLiteral("text.zip"), kText);
    m_zip.setZipFilename(path(QStringLiteral("old.zip")));
    m_zip.setFSpecArgs({keep});
    m_zip.Add();
    QDir().mkpath(path(QStringLiteral("folder")));
    const Files before = contents(QString());
    const std::vector<std::tuple<QString, QStringList, EZipError::Code, const char*>> cases = {
        {"old.zip", {}, EZipError::NoFiles, "Error - no files to zip"},
        {"", {keep}, EZipError::NoArchive, "Error - no zip file specified"},
        {"setup.EXE",
         {keep},
         EZipError::SelfExtracting,
         "Error - this pgm can NOT add files to a self-extracting archive"},
        {"old.zip",
         {keep, path("gone.txt")},
         EZipError::FileAccess,
         "gone.txt to the zip file: the file does not exist. Nothing was changed."},
        {"old.zip", {path("folder")}, EZipError::FileAccess, "folder to the zip file: it is not"},
        {"text.zip", {keep}, EZipError::NoEntries, "No valid zip entries found"},
    };
    for (const auto& [archive, files, code, says] : cases) {
        SCOPED_TRACE(says);
        name(archive.isEmpty() ? archive : path(archive));
        m_zip.setFSpecArgs(files);
        const EZipError error = failure([&] { m_zip.Add(); });
        EXPECT_EQ(error.code(), code);
        EXPECT_TRUE(error.message().contains(QString::fromUtf8(says))) << error.what();
        EXPECT_EQ(contents(QString()), before);
    }
}

TEST_F(ZipExtract, PlainFilesLandFlatInTheFolder) {
    const std::vector<std::tuple<const char*, Files, const char*>> cases = {
        {"add('../../evil.txt', b'E')", {{"evil.txt", "E"}}, "Extracted ../../evil.txt as"},
        {"add(OUT + '/abs.txt', b'A')", {{"abs.txt", "A"}}, "outside/abs.txt as abs.txt"},
        {R"(add('..\\..\\evil.txt', b'E'))", {{"evil.txt", "E"}}, R"(Extracted ..\..\evil.txt)"},
        {"link('link', OUT); add('link/evil.txt', b'E')",
         {{"evil.txt", "E"}},
         "Skipped link: it is a symbolic link"},
        {"add('.'); add('..'); add('a/..'); add('')", {}, "Skipped a/..: its name holds no file"},
        {"add('sub/', b''); add('sub/f.txt', b'F')", {{"f.txt", "F"}}, "Skipped sub/: it is a"},
        {"add('a/x.txt', b'1'); add('b/x.txt', b'2')", {{"x.txt", "2"}}, "b/x.txt as x.txt"},
    };
    for (size_t c = 0; c < cases.size(); ++c) {
        const auto& [code, files, says] = cases[c];
        SCOPED_TRACE(code);
        const QString dir = QStringLiteral("c%1/").arg(c);
        m_ws.write(dir + "base/keep.txt", "old");
        m_ws.write(dir + "base/evil.txt", "old");
        QDir().mkpath(path(dir + "outside"));
        forge(dir + "in.zip", "OUT = '" + path(dir).toUtf8() + "outside'; " + code);
        m_zip.setZipFilename(path(dir + "in.zip"));
        m_zip.setExtrBaseDir(path(dir + "base"));
        m_zip.Extract();
        Files expected{{"keep.txt", sha1("old")}, {"evil.txt", sha1("old")}};
        for (const auto& [name, bytes] : files)
            expected[name] = sha1(bytes);
        EXPECT_EQ(contents(dir + "base"), expected);
        EXPECT_EQ(contents(dir + "outside"), Files());
        EXPECT_EQ(contents(dir).size(), 3u);
        EXPECT_TRUE(std::any_of(m_messages.begin(), m_messages.end(), [&](const auto& m) {
            return m.first.contains(QString::fromUtf8(says));
        }));
        m_messages.clear();
    }
}

TEST_F(ZipExtract, RefusedArchivesWriteNothing) {
    const auto cut = [](QFile& f) { f.resize(f.size() / 2); };
    const auto flip = [](QFile& f) { f.seek(f.size() / 2) && f.write(QByteArray(16, 'U')); };
    const auto text = [](QFile& f) { f.resize(0) && f.write("text"); };
    const char* two =
        "import random; add('a.txt'); add('b.bin', random.Random(1).randbytes(99999))";
    const std::vector<
        std::tuple<const char*, std::function<void(QFile&)>, EZipError::Code, const char*>>
        cases = {
            {"for i in range(20000): add('f%d' % i)",
             {},
             EZipError::Limit,
             "holds 20000 entries, more than 10000"},
            {"zeros('bomb', 1024)", {}, EZipError::Limit, "into 1073741824, more than 1000:1"},
            {"zeros('bomb', 1024, 4096)",
             {},
             EZipError::Damaged,
             "bomb unpacks to more than the 4096 bytes its header declares"},
            {"zeros('a', 600, 500 << 20); zeros('b', 600, 500 << 20)",
             {},
             EZipError::Limit,
             "it would unpack to more than 512 MB"},
            {two, cut, EZipError::Damaged, "Error reading Zip File"},
            {two, flip, EZipError::Damaged, "b.bin: CRC error"},
            {"", text, EZipError::NoEntries, "No valid zip entries found"},
        };
    m_ws.write(QStringLiteral("base/keep.txt"), "old");
    m_zip.setExtrBaseDir(path(QStringLiteral("base")));
    for (size_t c = 0; c < cases.size(); ++c) {
        const auto& [code, damage, expectedCode, says] = cases[c];
        SCOPED_TRACE(says);
        const QString archive = QStringLiteral("in%1.zip").arg(c);
        forge(archive, code);
        QFile file(path(archive));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        if (damage)
            damage(file);
        file.close();
        const int named = name(path(archive));
        EXPECT_EQ(named, c == 4 || c == 6 ? expectedCode : 0) << "the list cannot be read";
        EXPECT_EQ(m_zip.Entries().isEmpty(), named != 0);
        const EZipError error = failure([&] { m_zip.Extract(); });
        EXPECT_EQ(error.code(), expectedCode);
        EXPECT_TRUE(error.message().contains(QString::fromUtf8(says))) << error.what();
        EXPECT_EQ(contents(QStringLiteral("base")), Files({{"keep.txt", sha1("old")}}));
    }
}

TEST_F(ZipExtract, ChosenEntriesWithProgress) {
    forge(QStringLiteral("two.zip"), "add('a.txt'); add('d/b.bin', bytes(100000))");
    m_zip.setZipFilename(path(QStringLiteral("two.zip")));
    m_zip.setExtrBaseDir(path(QStringLiteral("out")));
    m_zip.setFSpecArgs({QStringLiteral("b.bin")});
    EXPECT_EQ(m_zip.Extract(), 1);
    EXPECT_EQ(contents(QStringLiteral("out")), Files({{"b.bin", sha1(QByteArray(100000, 0))}}));
    const QString b = QStringLiteral("b.bin");
    EXPECT_EQ(
        m_progress,
        std::vector<Progress>(
            {{0, 100000, b}, {1, 32768, b}, {1, 65536, b}, {1, 98304, b}, {2, 1, QString()}}));
    m_zip.setFSpecArgs({QStringLiteral("c.txt")});
    EXPECT_EQ(failure([&] { m_zip.Extract(); }).code(), EZipError::NoEntries);
    m_zip.setZipFilename(QString());
    EXPECT_EQ(failure([&] { m_zip.Extract(); }).message(), "Error - no zip file specified");
    EXPECT_EQ(contents(QStringLiteral("out")).size(), 1u);
}

} // namespace
