// What a server dialogue cannot reach: a boundary that occurs in the content (the digits are
// scripted here), and dots doubled across every place a block of text can be cut.
#include "net/TMailMessageEncoder.h"
#include "net/DotStuffer.h"
#include "net/TMailMessage.h"
#include "support/TempWorkspace.h"

#include <gtest/gtest.h>

TEST(TMailMessageEncoder, BoundaryFoundInTheContentIsDrawnAgain) {
    TempWorkspace dir;
    dir.write(QStringLiteral("a.txt"), "--11111111\r\n");
    TMailMessage message;
    message.setBody({QStringLiteral("--22222222--")});
    message.Attachments().add(dir.path(QStringLiteral("a.txt")));
    int drawn = 0;
    // Digits 1 for the first boundary, 2 for the second, 3 after that.
    const TMailMessageEncoder encoder(MimeBoundary([&] { return 1 + drawn++ / 8; }));
    const QByteArray text = encoder.encode(message).toByteArray();
    EXPECT_TRUE(text.contains("boundary=\"33333333\"\r\n")) << text.toStdString();
    EXPECT_EQ(drawn, 24);
}

TEST(DotStuffer, DoublesLeadingDotsWhereverTheBlocksAreCut) {
    const QByteArray text = ".a\r\n..b\r\nc.\r\n.\r\nd\r\n";
    const QByteArray wire = "..a\r\n...b\r\nc.\r\n..\r\nd\r\n";
    for (qsizetype cut = 0; cut <= text.size(); ++cut) {
        DotStuffer stuffer;
        QByteArray sent = stuffer.stuff(text.left(cut));
        sent += stuffer.stuff(text.mid(cut));
        EXPECT_EQ(sent, wire) << cut;
    }
}
