#include "records/TextHelpers.h"
#include "records/LongDate.h"

#include <gtest/gtest.h>

using namespace TextHelpers;

namespace {

TEST(BytesToKb, DividesAboveOneKilobyteAndGivesOneOtherwise) {
    EXPECT_EQ(BytesToKb("1024"), "1");
    EXPECT_EQ(BytesToKb("1025"), "1");
    EXPECT_EQ(BytesToKb("2048"), "2");
    EXPECT_EQ(BytesToKb("1500000"), "1464");
    EXPECT_EQ(BytesToKb("0"), "1");
    EXPECT_EQ(BytesToKb("-5000"), "1");
    EXPECT_EQ(BytesToKb("abc"), "1");
    EXPECT_EQ(BytesToKb(""), "1");
    EXPECT_EQ(BytesToKb("5368709120"), "5242880"); // 5 GB: sizes past 32 bits still count
}

TEST(BytesToMb, TruncatesToTwoDecimals) {
    EXPECT_EQ(BytesToMb("1500000"), "1.42");
    EXPECT_EQ(BytesToMb("2048"), "0.00");
    EXPECT_EQ(BytesToMb("104857600"), "100");
    EXPECT_EQ(BytesToMb("3145728"), "3");
    EXPECT_EQ(BytesToMb("not a number"), "0.00");
    EXPECT_EQ(BytesToMb("1572864"), "1.5");
}

TEST(StampNow, PadsEachPartBelowTenWithOneZero) {
    const QDateTime t(QDate(1998, 7, 4), QTime(9, 5, 3, 7));
    EXPECT_EQ(StampNow(t), "1998-07-04-09-05-03-07");
    const QDateTime u(QDate(2026, 12, 31), QTime(23, 59, 58, 123));
    EXPECT_EQ(StampNow(u), "2026-12-31-23-59-58-123");
    const QDateTime v(QDate(2026, 1, 1), QTime(0, 0, 0, 45));
    EXPECT_EQ(StampNow(v), "2026-01-01-00-00-00-45");
}

TEST(StripSpaces, OnlyTheSpaceCharacterCounts) {
    QString a = "   lead";
    EXPECT_EQ(StripLeadingSpaces(a), "lead");
    QString b = "trail   ";
    EXPECT_EQ(StripTrailingSpaces(b), "trail");
    QString c = "  both  ";
    EXPECT_EQ(StripSpaces(c), "both");
    EXPECT_EQ(c, "both"); // changed in place
    QString d = "   ";
    EXPECT_EQ(StripSpaces(d), "");
    QString e = "\t tab \t";
    EXPECT_EQ(StripSpaces(e), "\t tab \t");
    QString f;
    EXPECT_EQ(StripSpaces(f), "");
}

TEST(Encode, SpacesAndLineBreaks) {
    EXPECT_EQ(EncodeSpaces("a b  c"), "a%20b%20%20c");
    EXPECT_EQ(EncodeSpaces(""), "");
    EXPECT_EQ(EncodeLineBreaks("one\r\ntwo\nthree\rfour"), "one%20twothree%20four");
}

TEST(WrapLines, SevenWordsAtTwentyMakeTwoLines) {
    EXPECT_EQ(WrapLines("abc def ghi jkl mno pqr stu", 20), "abc def ghi jkl mno \r\npqr stu\r\n");
}

TEST(WrapLines, LongWordIsCutAtTheWidth) {
    const QString word(50, u'w');
    EXPECT_EQ(WrapLines(word, 20),
              QString(20, u'w') + "\r\n" + QString(20, u'w') + "\r\n" + QString(10, u'w') + "\r\n");
}

TEST(WrapLines, EmptyTextAndEmptyLines) {
    EXPECT_EQ(WrapLines("", 72), "");
    EXPECT_EQ(WrapLines("a\r\n\r\nb", 72), "a\r\n\r\nb\r\n");
}

TEST(WrapLines, FirstSpaceBeyondWidthCutsTheWord) {
    EXPECT_EQ(WrapLines("abcdefgh ij", 5), "abcde\r\nfgh \r\nij\r\n");
}

TEST(WrapLines, PieceStopsBeforeAWordThatWouldPassTheWidth) {
    EXPECT_EQ(WrapLines("aa bb cc dd", 6), "aa bb \r\ncc dd\r\n");
    EXPECT_EQ(WrapLines("aa bbbbbbbbbb", 6), "aa \r\nbbbbbb\r\nbbbb\r\n");
}

TEST(WrapLines, ZeroWidthStillEnds) {
    EXPECT_EQ(WrapLines("ab c", 0), "a\r\nb\r\n \r\nc\r\n");
}

TEST(LongDate, BuildsFromDayMonthAndYear) {
    EXPECT_EQ(longdatep("4", "07", "98"), "4-Jul-1998");
    EXPECT_EQ(longdatep("", "12", "79"), "Dec-2079");
    EXPECT_EQ(longdatep("31", "13", "80"), "31-1980");
    EXPECT_EQ(longdatep("04", "1", "05"), "04-Jan-2005");
    EXPECT_EQ(longdatep("", "", ""), "");
    EXPECT_EQ(longdatep("1", "x7", "abc"), "1-");
}

} // namespace
