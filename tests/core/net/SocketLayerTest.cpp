// Line splitting, the waits and the socket error texts.
#include "net/LineSplitter.h"
#include "net/SocketErrors.h"
#include "net/WaitLoop.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

QList<QByteArray> lines(LineSplitter& splitter, const QByteArray& data) {
    splitter.append(data);
    QList<QByteArray> out;
    QByteArray line;
    while (splitter.nextLine(line))
        out << line;
    return out;
}

} // namespace

TEST(LineSplitter, SplitsAtCrLfCrAndLf) {
    LineSplitter s;
    EXPECT_EQ(lines(s, "a\r\nb\rc\nd"), (QList<QByteArray>{"a", "b", "c"}));
    EXPECT_EQ(lines(s, "\r\n"), (QList<QByteArray>{"d"}));
}

TEST(LineSplitter, PairSplitAcrossReadsCountsOnce) {
    LineSplitter s;
    EXPECT_EQ(lines(s, "one\r"), (QList<QByteArray>{"one"}));
    EXPECT_EQ(lines(s, "\ntwo\r\n"), (QList<QByteArray>{"two"}));
}

TEST(LineSplitter, LfCrIsTwoLineEnds) {
    LineSplitter s;
    EXPECT_EQ(lines(s, "a\n\rb\n"), (QList<QByteArray>{"a", "", "b"}));
}

TEST(LineSplitter, EmptyLinesAreLines) {
    LineSplitter s;
    EXPECT_EQ(lines(s, "\r\n\r\n"), (QList<QByteArray>{"", ""}));
}

TEST(LineSplitter, RestAfterLinesIsRaw) {
    LineSplitter s;
    EXPECT_EQ(lines(s, "head\r"), (QList<QByteArray>{"head"}));
    EXPECT_EQ(s.takeRest(), QByteArray());
    EXPECT_EQ(s.raw("\nbody\r\n"), QByteArray("body\r\n"));
    EXPECT_EQ(s.raw("\nmore"), QByteArray("\nmore"));
}

TEST(LineSplitter, TakeRestDropsPairedLf) {
    LineSplitter s;
    s.append("x\r");
    QByteArray line;
    ASSERT_TRUE(s.nextLine(line));
    s.append("\nrest");
    EXPECT_EQ(s.takeRest(), QByteArray("rest"));
}

TEST(LineSplitter, EndlessLineIsHandedOutInPieces) {
    LineSplitter s;
    const QList<QByteArray> got = lines(s, QByteArray(LineSplitter::MaxLine + 10, 'x'));
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got.first().size(), LineSplitter::MaxLine);
}

TEST(LineSplitter, LongLineThatEndsIsPiecesThenItsRestThenTheNextLine) {
    LineSplitter s;
    const QByteArray flood(2 * LineSplitter::MaxLine + 5, 'x');
    const QList<QByteArray> got = lines(s, flood + "\r\nnext\r\n");
    QList<qsizetype> sizes;
    for (const QByteArray& line : got)
        sizes << line.size();
    EXPECT_EQ(sizes, (QList<qsizetype>{LineSplitter::MaxLine, LineSplitter::MaxLine, 5, 4}));
    EXPECT_EQ(got.last(), "next");
}

TEST(SocketErrors, KnownNumberHasBracketedText) {
    EXPECT_EQ(SocketErrors::text(10061), QStringLiteral("[10061] Connection refused."));
    EXPECT_EQ(SocketErrors::text(10066), QStringLiteral("[10066] Directory not empt."));
}

TEST(SocketErrors, ZeroIsOk) {
    EXPECT_EQ(SocketErrors::text(0), QStringLiteral("Ok"));
}

TEST(SocketErrors, UnknownNumberSaysSo) {
    EXPECT_EQ(SocketErrors::text(12345), QStringLiteral("[12345] (no description available)."));
}

TEST(SocketErrors, QtKindsMapToNumbers) {
    EXPECT_EQ(SocketErrors::fromQt(QAbstractSocket::ConnectionRefusedError), 10061);
    EXPECT_EQ(SocketErrors::fromQt(QAbstractSocket::HostNotFoundError), 11001);
}

TEST(WaitLoop, EndsWhenConditionHolds) {
    WaitLoop wait;
    bool done = false;
    QTimer::singleShot(0, [&] {
        done = true;
        wait.wake();
    });
    EXPECT_TRUE(wait.run([&] { return done; }));
}

TEST(WaitLoop, InterruptEndsNestedWaits) {
    WaitLoop wait;
    bool innerResult = true;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { wait.interrupt(); });
        innerResult = wait.run([] { return false; });
    });
    EXPECT_FALSE(wait.run([] { return false; }));
    EXPECT_FALSE(innerResult);
    EXPECT_TRUE(wait.interrupted());
    wait.clearInterrupt();
    EXPECT_TRUE(wait.run([] { return true; }));
}

TEST(WaitLoop, AThrowFromInsideANestedWaitLeavesNoLoopBehind) {
    WaitLoop wait;
    bool caught = false;
    bool busyAfter = true;
    QTimer::singleShot(0, [&] {
        try {
            QTimer::singleShot(0, [] { throw std::runtime_error("handler failed"); });
            wait.run([] { return false; });
        } catch (const std::runtime_error&) {
            caught = true;
        }
        busyAfter = wait.busy();
        wait.interrupt(); // ends the outer wait: a dangling inner loop would crash here
    });
    EXPECT_FALSE(wait.run([] { return false; }));
    EXPECT_TRUE(caught);
    EXPECT_TRUE(busyAfter); // only the outer wait is left
    EXPECT_FALSE(wait.busy());
}
