#include "records/ListFile.h"
#include "base/ShipkitError.h"
#include "support/TempWorkspace.h"
#include "support/Utf16Bytes.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class ListFileTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    QStringList load(const QByteArray& bytes) {
        ws.write("list.dat", bytes);
        return LoadList(ws.path("list.dat"));
    }
};

TEST_F(ListFileTest, EveryLineEndFormSplitsLines) {
    EXPECT_EQ(load("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
}

TEST_F(ListFileTest, FinalLineEndMakesNoEmptyLastItem) {
    EXPECT_EQ(load("a\r\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(load("a\r\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(load("a\n\n"), (QStringList{"a", ""}));
    EXPECT_EQ(load("\r\n"), QStringList{""});
    EXPECT_EQ(load(""), QStringList{});
}

TEST_F(ListFileTest, CrLfSplitAcrossNothingCountsOnce) {
    EXPECT_EQ(load("a\r\r\nb\n\rc"), (QStringList{"a", "", "b", "", "c"}));
}

TEST_F(ListFileTest, NulByteEndsTheText) {
    EXPECT_EQ(load(QByteArray("one\r\ntwo\0three\r\nfour", 20)), (QStringList{"one", "two"}));
}

// Files saved by editors in UTF-16 carry a byte-order mark; they read as text like UTF-8 ones.
struct Encoded {
    const char* what;
    QByteArray bytes;
};

void PrintTo(const Encoded& e, std::ostream* os) {
    *os << e.what;
}

const QString kText = QString::fromUtf8("Caf\u00e9 \u20ac\r\nzwei\r\n");

const Encoded kEncodings[] = {
    {"UTF-8", kText.toUtf8()},
    {"UTF-8 with a byte-order mark", QByteArray("\xEF\xBB\xBF") + kText.toUtf8()},
    {"UTF-16 little-endian", utf16Bytes(kText, true)},
    {"UTF-16 big-endian", utf16Bytes(kText, false)},
};

class ListFileEncodingTest : public ListFileTest, public ::testing::WithParamInterface<Encoded> {};

TEST_P(ListFileEncodingTest, ReadsTheSameItems) {
    EXPECT_EQ(load(GetParam().bytes), (QStringList{QString::fromUtf8("Caf\u00e9 \u20ac"), "zwei"}));
}

INSTANTIATE_TEST_SUITE_P(EveryEncoding, ListFileEncodingTest, ::testing::ValuesIn(kEncodings));

TEST_F(ListFileTest, NulCharacterEndsUtf16TextToo) {
    EXPECT_EQ(
        load(utf16Bytes(QStringLiteral("one\r\ntwo") + QChar(0) + QStringLiteral("three"), true)),
        (QStringList{"one", "two"}));
}

TEST_F(ListFileTest, LoadingReplacesTheTarget) {
    QStringList target{"old", "items"};
    ws.write("l.dat", "new\r\n");
    LoadList(ws.path("l.dat"), target);
    EXPECT_EQ(target, QStringList{"new"});
}

TEST_F(ListFileTest, SaveWritesCrLfAfterEveryItem) {
    SaveList({"a", "", "c"}, ws.path("out.dat"));
    EXPECT_EQ(ws.read("out.dat"), "a\r\n\r\nc\r\n");
    SaveList({}, ws.path("out.dat"));
    EXPECT_EQ(ws.read("out.dat"), "");
}

TEST_F(ListFileTest, SaveThenLoadRoundTripsUnicode) {
    const QStringList items{QString::fromUtf8("Über ± ünïcode"), "plain"};
    SaveList(items, ws.path("u.dat"));
    EXPECT_EQ(LoadList(ws.path("u.dat")), items);
}

TEST_F(ListFileTest, MissingOrUnreadableFileRaisesCannotOpen) {
    const QString missing = ws.path("missing.dat");
    try {
        LoadList(missing);
        FAIL();
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Cannot open file " + missing);
    }
    QDir().mkdir(ws.path("adir"));
    EXPECT_THROW(LoadList(ws.path("adir")), ShipkitError);
}

TEST_F(ListFileTest, UncreatableFileRaisesCannotCreate) {
    const QString bad = ws.path("nodir/x.dat");
    try {
        SaveList({"a"}, bad);
        FAIL();
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Cannot create file " + bad);
        EXPECT_FALSE(e.reason().isEmpty());
    }
}

TEST_F(ListFileTest, AFolderInTheWayIsNamedAsTheReason) {
    QDir().mkdir(ws.path("taken"));
    try {
        SaveList({"a"}, ws.path("taken"));
        FAIL();
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.reason(), "Not a regular file");
    }
    EXPECT_TRUE(QFileInfo(ws.path("taken")).isDir());
}

TEST_F(ListFileTest, GarbageAndHugeLinesLoadWithoutCrashing) {
    QByteArray junk(1 << 20, 'q');
    for (int i = 0; i < 1000; ++i)
        junk.append(static_cast<char>(0x80 + i % 0x7f));
    const QStringList items = load(junk);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0].size(), (1 << 20) + 1000);
}

} // namespace
