#include "support/CliRun.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// The workspace sits one level down, so a name or a link leading out of it stays inside the
// test's own folder: "outside/" is what the program must neither read nor write.
class CliHostileFilesTest : public ::testing::Test {
public:
    TempWorkspace root;
    QString ws(const QString& relative = QString()) const { return root.path("ws/" + relative); }
    void write(const QString& relative, const QByteArray& bytes) const {
        root.write("ws/" + relative, bytes);
    }
    CliRun run(const QStringList& args) const {
        return CliRun::shipkitCli(QStringList{"--workspace", ws()} + args);
    }
    void SetUp() override {
        write("companies/companies.dat", "Acme\r\n");
        write("companies/Acme.dat", "[COMPANY]\r\nCONAME=Acme\r\nCONTACT=Ann\r\n");
        write("data/Acme Apps.dat", "Tool\r\n");
        write("data/Tool.dat", "[APPINFO]\r\nVERSION=1\r\n");
        write("sites/Sites.dat", "Alpha\r\n");
        write("sites/Alpha.ini", "[SETTINGS]\r\n");
        root.write("outside/secret", "[SETTINGS]\r\nFTP_SERVER=secret.example\r\nFROM\r\n");
    }
    // Nothing appeared beside the workspace, and the outside file is as it was.
    void expectOutsideUntouched() const {
        EXPECT_EQ(QDir(root.dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  (QStringList{"outside", "ws"}));
        EXPECT_EQ(QDir(root.path("outside")).entryList(QDir::Files), QStringList{"secret"});
        EXPECT_EQ(root.read("outside/secret"),
                  "[SETTINGS]\r\nFTP_SERVER=secret.example\r\nFROM\r\n");
    }
};

// A name read from a list that would lead out of the workspace.
struct HostileName {
    const char* what;
    const char* list;
    QByteArray lines;
    QStringList args;
    QByteArray out; // the good names still listed
};

void PrintTo(const HostileName& n, std::ostream* os) {
    *os << n.what;
}

const HostileName kNames[] = {
    {"company", "companies/companies.dat", "Acme\r\n../../co\r\n", {"companies"}, "Acme\n"},
    {"application",
     "data/Acme Apps.dat",
     "Tool\r\n../../evil\r\n",
     {"apps", "--company", "Acme"},
     "Tool\n"},
    {"engine", "sites/Sites.dat", "Alpha\r\n../../secret\r\n", {"engines"}, "Alpha\n"},
    {"engine with a separator", "sites/Sites.dat", "Alpha\r\nA/B\r\n", {"engines"}, "Alpha\n"},
    {"dot-dot", "sites/Sites.dat", "Alpha\r\n..\r\n", {"engines"}, "Alpha\n"},
    {"control character", "sites/Sites.dat", "Alpha\r\nA\tB\r\n", {"engines"}, "Alpha\n"},
    {"overlong",
     "sites/Sites.dat",
     "Alpha\r\n" + QByteArray(201, 'n') + "\r\n",
     {"engines"},
     "Alpha\n"},
};

class CliHostileNameTest : public CliHostileFilesTest,
                           public ::testing::WithParamInterface<HostileName> {};

TEST_P(CliHostileNameTest, NameIsSkippedOnceAndTheRestWorks) {
    const HostileName& n = GetParam();
    write(n.list, n.lines);
    const CliRun r = run(n.args);
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, n.out);
    const QByteArray bad = n.lines.mid(n.lines.indexOf("\r\n") + 2).chopped(2);
    const QByteArray says =
        "The name \"" + bad + "\" in " + ws(n.list).toUtf8() + " cannot be used as a file name";
    EXPECT_EQ(r.err.count(says), 1) << r.err.constData();
    // Writing commands skip the name as well and write nothing for it.
    EXPECT_EQ(run({"sites", "--company", "Acme", "--app", "Tool"}).exitCode, 0);
    expectOutsideUntouched();
}

INSTANTIATE_TEST_SUITE_P(EveryList, CliHostileNameTest, ::testing::ValuesIn(kNames));

// A file of the workspace that is a link out of it, or not a regular file at all.
struct HostileFile {
    const char* what;
    std::function<void(const CliHostileFilesTest&)> make;
    QStringList args;
    const char* says;
};

void PrintTo(const HostileFile& f, std::ostream* os) {
    *os << f.what;
}

void link(const CliHostileFilesTest& t, const QString& from, const QString& to) {
    QFile::remove(t.ws(from));
    ASSERT_TRUE(QFile::link(to, t.ws(from)));
}

void fifo(const CliHostileFilesTest& t, const QString& at) {
    QFile::remove(t.ws(at));
    QDir().mkpath(QFileInfo(t.ws(at)).absolutePath());
    ASSERT_EQ(mkfifo(QFile::encodeName(t.ws(at)).constData(), 0600), 0);
}

const HostileFile kFiles[] = {
    {"engine settings linked out",
     [](const CliHostileFilesTest& t) {
         link(t, "sites/Alpha.ini", t.root.path("outside/secret"));
     },
     {"engine", "show", "Alpha"},
     "lies outside the workspace"},
    {"script linked out, mass change",
     [](const CliHostileFilesTest& t) {
         link(t, "sites/Alpha HTTP_NEW.scp", t.root.path("outside/secret"));
     },
     {"mass-change", "FROM", "TO"},
     "lies outside the workspace"},
    {"company record linked out",
     [](const CliHostileFilesTest& t) {
         link(t, "companies/Acme.dat", t.root.path("outside/secret"));
     },
     {"company", "show", "Acme"},
     "lies outside the workspace"},
    {"data folder linked out",
     [](const CliHostileFilesTest& t) {
         QDir(t.ws("data")).removeRecursively();
         QDir().mkpath(t.root.path("outside/data"));
         t.root.write("outside/data/Acme Apps.dat", "Tool\r\n");
         ASSERT_TRUE(QFile::link(t.root.path("outside/data"), t.ws("data")));
     },
     {"sites", "--company", "Acme", "--app", "Tool"},
     "lies outside the workspace"},
    {"engine list linked to a device",
     [](const CliHostileFilesTest& t) { link(t, "sites/Sites.dat", "/dev/null"); },
     {"engines"},
     "lies outside the workspace"},
    {"company list that is a FIFO",
     [](const CliHostileFilesTest& t) { fifo(t, "companies/companies.dat"); },
     {"companies"},
     "Not a regular file"},
    {"engine settings that is a FIFO",
     [](const CliHostileFilesTest& t) { fifo(t, "sites/Alpha.ini"); },
     {"engine", "show", "Alpha"},
     "Not a regular file"},
    {"script that is a FIFO",
     [](const CliHostileFilesTest& t) { fifo(t, "sites/Alpha FTP_NEW.scp"); },
     {"check-engines"},
     "Not a regular file"},
};

class CliHostileFileTest : public CliHostileFilesTest,
                           public ::testing::WithParamInterface<HostileFile> {};

TEST_P(CliHostileFileTest, FileIsRefusedWithAMessage) {
    const HostileFile& f = GetParam();
    f.make(*this);
    const CliRun r = run(f.args);
    EXPECT_EQ(r.exitCode, 1) << r.err.constData();
    EXPECT_TRUE(r.err.contains(f.says)) << r.err.constData();
    EXPECT_FALSE(r.out.contains("secret.example"));
    if (QFileInfo::exists(root.path("outside/data")))
        EXPECT_EQ(QDir(root.path("outside/data")).entryList(QDir::Files),
                  QStringList{"Acme Apps.dat"});
    else
        expectOutsideUntouched();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, CliHostileFileTest, ::testing::ValuesIn(kFiles));

TEST_F(CliHostileFilesTest, ExpandRefusesAScriptThatIsAFifo) {
    ASSERT_EQ(mkfifo(QFile::encodeName(root.path("pipe")).constData(), 0600), 0);
    const CliRun r = run({"expand", "--company", "Acme", "--app", "Tool", "--site", "Alpha",
                          "--file", root.path("pipe")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Not a regular file")) << r.err.constData();
}

} // namespace
