// Which paths count as inside the workspace once links are followed, for files there and for
// files a write would create.
#include "records/WorkspacePath.h"
#include "base/ShipkitError.h"
#include "support/TempWorkspace.h"

#include <QDir>
#include <QFile>
#include <cctype>
#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* what;
    const char* path; // below the test folder; the workspace is "ws/"
    bool inside;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.what;
}

// ws/ holds a file, a folder, a link to each inside it, links out to a file and a folder, and
// a dangling link; out/ is beside it.
void build(const TempWorkspace& t) {
    t.write(QStringLiteral("ws/sites/a.ini"), "[A]\r\n");
    t.write(QStringLiteral("out/secret"), "secret");
    QDir().mkpath(t.path(QStringLiteral("out/folder")));
    const auto link = [&t](const char* target, const char* at) {
        ASSERT_TRUE(
            QFile::link(t.path(QString::fromLatin1(target)), t.path(QString::fromLatin1(at))));
    };
    link("ws/sites/a.ini", "ws/inner-link.ini");
    link("ws/sites", "ws/inner-folder");
    link("out/secret", "ws/sites/b.ini");
    link("out/folder", "ws/data");
    link("ws/missing", "ws/dangling");
}

const PathCase kCases[] = {
    {"the workspace itself", "ws", true},
    {"a file", "ws/sites/a.ini", true},
    {"a file not there yet", "ws/sites/new.ini", true},
    {"a file under folders not there yet", "ws/new/deeper/c.dat", true},
    {"a link to a file inside", "ws/inner-link.ini", true},
    {"a file through a linked folder inside", "ws/inner-folder/a.ini", true},
    {"a dots path that stays inside", "ws/sites/../sites/a.ini", true},
    {"a link to a file outside", "ws/sites/b.ini", false},
    {"a new file in a folder linked outside", "ws/data/Acme Apps.dat", false},
    {"a new file below a folder linked outside", "ws/data/deeper/x.dat", false},
    {"a dots path that leaves", "ws/../out/secret", false},
    {"a sibling whose name starts like the workspace", "ws2/file", false},
    {"a dangling link (a write replaces the link itself)", "ws/dangling", true},
};

class WorkspacePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(WorkspacePathTest, InsideOrRefusedNamingTheFile) {
    const PathCase& c = GetParam();
    TempWorkspace t;
    build(t);
    const QString root = t.path(QStringLiteral("ws"));
    const QString path = t.path(QString::fromLatin1(c.path));
    if (c.inside) {
        EXPECT_EQ(WorkspacePath::inside(root, path), path);
        return;
    }
    try {
        WorkspacePath::inside(root, path);
        ADD_FAILURE() << "accepted";
    } catch (const ShipkitError& e) {
        EXPECT_TRUE(e.message().startsWith(path + QStringLiteral(" lies outside the workspace")))
            << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, WorkspacePathTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.what; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

} // namespace

// The root's own link may be pointed elsewhere between checks: files of the new place count as
// inside, files of the old one no longer do.
TEST(WorkspacePathRootTest, RootMovedBetweenChecks) {
    TempWorkspace t;
    t.write(QStringLiteral("first/a.ini"), "1");
    t.write(QStringLiteral("second/a.ini"), "2");
    const QString root = t.path(QStringLiteral("ws"));
    ASSERT_TRUE(QFile::link(t.path(QStringLiteral("first")), root));
    EXPECT_NO_THROW(WorkspacePath::inside(root, root + QStringLiteral("/a.ini")));
    ASSERT_TRUE(QFile::remove(root));
    ASSERT_TRUE(QFile::link(t.path(QStringLiteral("second")), root));
    EXPECT_NO_THROW(WorkspacePath::inside(root, root + QStringLiteral("/a.ini")));
    EXPECT_THROW(WorkspacePath::inside(root, t.path(QStringLiteral("first/a.ini"))), ShipkitError);
}
