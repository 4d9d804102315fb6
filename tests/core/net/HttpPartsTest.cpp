// The pieces of the HTTP client that need no connection: URL cuts, header lines, request head.
#include "net/HttpHeaderLine.h"
#include "net/HttpRequestHead.h"
#include "net/HttpUrl.h"

#include <gtest/gtest.h>

TEST(HttpUrl, FullUrlGivesAllParts) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("http://www.example.com:8080/a/b.cgi?x=1"));
    EXPECT_EQ(url.scheme(), QStringLiteral("http"));
    EXPECT_EQ(url.host(), QStringLiteral("www.example.com"));
    EXPECT_EQ(url.port(), 8080);
    EXPECT_EQ(url.path(), QStringLiteral("/a/b.cgi?x=1"));
}

TEST(HttpUrl, HostWithoutPathSendsSlash) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("http://host"));
    EXPECT_EQ(url.host(), QStringLiteral("host"));
    EXPECT_EQ(url.port(), 80);
    EXPECT_EQ(url.path(), QStringLiteral("/"));
}

TEST(HttpUrl, HostAndPortWithoutPathSendsSlash) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("http://host:81"));
    EXPECT_EQ(url.port(), 81);
    EXPECT_EQ(url.path(), QStringLiteral("/"));
}

TEST(HttpUrl, NoColonNoSlashIsAllHost) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("www.example.com"));
    EXPECT_EQ(url.host(), QStringLiteral("www.example.com"));
    EXPECT_EQ(url.path(), QStringLiteral("/"));
    EXPECT_EQ(url.scheme(), QStringLiteral("http"));
}

TEST(HttpUrl, HostWithoutSlashesIsNotAHost) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("www.example.com/x"));
    EXPECT_TRUE(url.host().isEmpty());
    EXPECT_EQ(url.path(), QStringLiteral("www.example.com/x"));
}

TEST(HttpUrl, OtherSchemeIsKept) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("FTP://h/f"));
    EXPECT_EQ(url.scheme(), QStringLiteral("FTP"));
    EXPECT_EQ(url.absolute(), QStringLiteral("FTP://h/f"));
}

TEST(HttpUrl, ImpossiblePortBecomesZero) {
    EXPECT_EQ(HttpUrl::parse(QStringLiteral("http://h:99999/")).port(), 0);
}

TEST(HttpUrl, HostIsCutAt255) {
    const HttpUrl url = HttpUrl::parse(QStringLiteral("http://") + QString(300, u'a') + u'/');
    EXPECT_EQ(url.host().size(), 255);
}

TEST(HttpUrl, AbsoluteShowsPortOnlyWhenNot80) {
    EXPECT_EQ(HttpUrl::parse(QStringLiteral("http://h:80/p")).absolute(),
              QStringLiteral("http://h/p"));
    EXPECT_EQ(HttpUrl::parse(QStringLiteral("http://h:8080/p")).absolute(),
              QStringLiteral("http://h:8080/p"));
}

TEST(HttpHeaderLine, SpaceAfterColonIsSkipped) {
    const HttpHeaderLine h = HttpHeaderLine::parse(QStringLiteral("Server: test"));
    EXPECT_EQ(h.field(), QStringLiteral("Server"));
    EXPECT_EQ(h.value(), QStringLiteral("test"));
}

TEST(HttpHeaderLine, NoSpaceAfterColonKeepsFirstCharacter) {
    const HttpHeaderLine h = HttpHeaderLine::parse(QStringLiteral("X-Thing:value"));
    EXPECT_EQ(h.field(), QStringLiteral("X-Thing"));
    EXPECT_EQ(h.value(), QStringLiteral("value"));
}

TEST(HttpHeaderLine, OnlyOneSpaceIsSkipped) {
    EXPECT_EQ(HttpHeaderLine::parse(QStringLiteral("A:  two")).value(), QStringLiteral(" two"));
}

TEST(HttpHeaderLine, LeadingSpaceGivesEmptyField) {
    const HttpHeaderLine h = HttpHeaderLine::parse(QStringLiteral(" continued: text"));
    EXPECT_TRUE(h.field().isEmpty());
    EXPECT_EQ(h.value(), QStringLiteral("continued: text"));
}

TEST(HttpHeaderLine, LeadingTabGivesEmptyField) {
    const HttpHeaderLine h = HttpHeaderLine::parse(QStringLiteral("\tmore"));
    EXPECT_TRUE(h.field().isEmpty());
    EXPECT_EQ(h.value(), QStringLiteral("more"));
}

TEST(HttpHeaderLine, NoColonIsAllField) {
    const HttpHeaderLine h = HttpHeaderLine::parse(QStringLiteral("Strange"));
    EXPECT_EQ(h.field(), QStringLiteral("Strange"));
    EXPECT_TRUE(h.value().isEmpty());
}

TEST(HttpRequestHead, EmptyValuesAreLeftOut) {
    HttpRequestHead head(QStringLiteral("GET"), QStringLiteral("/"));
    head.addHeader(QStringLiteral("Accept"), QString());
    head.addHeader(QStringLiteral("User-Agent"), QStringLiteral("ua"));
    head.end();
    EXPECT_EQ(head.bytes(), QByteArray("GET / HTTP/1.0\r\nUser-Agent: ua\r\n\r\n"));
    EXPECT_FALSE(head.hasLineBreak());
}

TEST(HttpRequestHead, LineBreakInValueIsFlagged) {
    HttpRequestHead head(QStringLiteral("GET"), QStringLiteral("/"));
    head.addHeader(QStringLiteral("Referer"), QStringLiteral("x\r\nEvil: 1"));
    EXPECT_TRUE(head.hasLineBreak());
}

TEST(HttpRequestHead, LineBreakInTargetIsFlagged) {
    HttpRequestHead head(QStringLiteral("GET"), QStringLiteral("/a\nb"));
    EXPECT_TRUE(head.hasLineBreak());
}
