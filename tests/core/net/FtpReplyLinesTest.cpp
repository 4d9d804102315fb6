// Which line ends an FTP reply: each row is a run of lines and the ones that end a reply.
#include "net/FtpReplyLines.h"

#include <QStringList>
#include <gtest/gtest.h>

TEST(FtpReplyLines, EndsRepliesAtTheRightLines) {
    struct Row {
        QStringList lines;
        std::vector<bool> ends;
    };
    const std::vector<Row> rows = {
        {{"220 Ready"}, {true}},
        {{"230-Welcome", "more text", "230-still", "230 Done"}, {false, false, false, true}},
        {{"150-Open", "226 Other code", "150 Open"}, {false, false, true}},
        {{"12-", "12-x"}, {true, true}},
        {{"", "ab", "abc-", "abc end"}, {true, true, false, true}},
        {{"211-A", "211 End", "200 Next"}, {false, true, true}},
    };
    for (const Row& row : rows) {
        FtpReplyLines lines;
        std::vector<bool> ends;
        for (const QString& line : row.lines)
            ends.push_back(lines.take(line));
        EXPECT_EQ(ends, row.ends) << row.lines.join(u'|').toStdString();
    }
}
