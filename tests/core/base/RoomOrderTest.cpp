#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The core's rooms from the ground up: a room may include itself and the rooms before it.
const QStringList kFloors = {"base",   "records", "engines", "scripts",
                             "submit", "shell",   "commands"};
// Rooms beside the floors: they stand on base and records and on the side rooms listed before
// them; submit and the floors above it may use every one of them.
const QStringList kSideRooms = {"net", "reports", "update", "partner"};

bool mayInclude(const QString& room, const QString& target) {
    if (room == target)
        return true;
    if (kFloors.contains(target))
        return kFloors.contains(room) ? kFloors.indexOf(target) < kFloors.indexOf(room)
                                      : target == "base" || target == "records";
    if (!kSideRooms.contains(target))
        return false;
    return kSideRooms.contains(room) ? kSideRooms.indexOf(target) < kSideRooms.indexOf(room)
                                     : kFloors.indexOf(room) >= kFloors.indexOf("submit");
}

TEST(RoomOrderTest, EveryCoreIncludePointsToTheLeft) {
    const QString core = QStringLiteral(SHIPKIT_SOURCE_DIR "/src/core/");
    const QRegularExpression include(R"(^\s*#\s*include\s*"([^/"]+)/[^"]+")");
    QStringList wrong;
    int files = 0;
    QDirIterator it(core, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = path.mid(core.size());
        const QString room = relative.section('/', 0, 0);
        ++files;
        if (!kFloors.contains(room) && !kSideRooms.contains(room)) {
            wrong << relative + ": the room \"" + room + "\" has no place in the order";
            continue;
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        int number = 0;
        for (const QByteArray& line : file.readAll().split('\n')) {
            ++number;
            const auto match = include.match(QString::fromUtf8(line));
            if (match.hasMatch() && !mayInclude(room, match.captured(1)))
                wrong << QStringLiteral("%1:%2: %3")
                             .arg(relative)
                             .arg(number)
                             .arg(QString::fromUtf8(line).trimmed());
        }
    }
    EXPECT_GT(files, 50);
    EXPECT_TRUE(wrong.isEmpty()) << "includes of rooms to the right:\n"
                                 << wrong.join('\n').toStdString();
}

TEST(RoomOrderTest, TheRuleItselfRefusesTheKnotsItGuardsAgainst) {
    const struct {
        const char* room;
        const char* target;
        bool allowed;
    } cases[] = {
        {"records", "shell", false},  {"engines", "scripts", false}, {"scripts", "engines", true},
        {"submit", "shell", false},   {"shell", "submit", true},     {"commands", "shell", true},
        {"shell", "commands", false}, {"base", "records", false},    {"net", "records", true},
        {"net", "engines", false},    {"reports", "net", true},      {"net", "reports", false},
        {"scripts", "net", false},    {"submit", "net", true},       {"commands", "reports", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mayInclude(c.room, c.target), c.allowed) << c.room << " -> " << c.target;
}

} // namespace
