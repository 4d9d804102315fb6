// A boundary that occurs in the content is drawn again: the digits are scripted here, which a
// server dialogue cannot do.
#include "net/TMailMessageEncoder.h"
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
    const QByteArray text = encoder.encode(message);
    EXPECT_TRUE(text.contains("boundary=\"33333333\"\r\n")) << text.toStdString();
    EXPECT_EQ(drawn, 24);
}
