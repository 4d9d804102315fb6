#include "SiteBuilderFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

namespace {

using HttpEditorPasteTest = SiteBuilderFixture;

TEST_F(HttpEditorPasteTest, PastedLineBreaksBecomeSpacesInHttpScriptsOnly) {
    page->enterPage();
    showSubPage("HTTP Post");
    auto* http = find<QPlainTextEdit>("EB_NewSubmissionMemo");
    http->setPlainText("a=1");
    http->moveCursor(QTextCursor::End);
    QApplication::clipboard()->setText("&b=2\r\n&c=3\n");
    http->paste();
    EXPECT_EQ(http->toPlainText(), "a=1&b=2 &c=3 ");
    EXPECT_EQ(eng().current().scripts[SiteEngine::HttpNew], "a=1&b=2 &c=3 ");
    EXPECT_EQ(http->textCursor().position(), http->toPlainText().size());
    showSubPage("FTP Upload");
    auto* ftp = find<QPlainTextEdit>("EB_FileScriptMemo");
    ftp->setPlainText("x");
    ftp->moveCursor(QTextCursor::End);
    ftp->paste();
    EXPECT_TRUE(ftp->toPlainText().contains(u'\n'));
}

} // namespace
