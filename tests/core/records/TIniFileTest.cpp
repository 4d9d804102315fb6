#include "records/TIniFile.h"
#include "base/ShipkitError.h"
#include "support/TempWorkspace.h"
#include "support/Utf16Bytes.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

class TIniFileTest : public ::testing::Test {
protected:
    TempWorkspace ws;
    QString file = ws.path("rec.dat");
    TIniFile ini{file};

    void given(const QByteArray& bytes) { ws.write("rec.dat", bytes); }
    QByteArray bytes() const { return ws.read("rec.dat"); }
};

TEST_F(TIniFileTest, ReadOfMissingFileGivesDefaultAndCreatesNothing) {
    EXPECT_EQ(ini.ReadKey("S", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadKeyInt("S", "K", 7), 7);
    EXPECT_TRUE(ini.ReadKeyFlag("S", "K", true));
    EXPECT_FALSE(ws.exists("rec.dat"));
}

TEST_F(TIniFileTest, SectionAndKeyLookupIgnoreCase) {
    given("[Company]\r\nConame=Acme\r\n");
    EXPECT_EQ(ini.ReadKey("COMPANY", "CONAME", ""), "Acme");
    EXPECT_EQ(ini.ReadKey("company", "coname", ""), "Acme");
}

TEST_F(TIniFileTest, FirstMatchingSectionAndKeyWin) {
    given("[A]\r\nK=first\r\nk=second\r\n[a]\r\nK=third\r\nX=only later\r\n");
    EXPECT_EQ(ini.ReadKey("A", "K", ""), "first");
    // A key that stands only in a later section of the same name is not seen.
    EXPECT_EQ(ini.ReadKey("A", "X", "none"), "none");
}

TEST_F(TIniFileTest, KeysBelongToTheirSectionOnly) {
    given("[A]\r\nK=a\r\n[B]\r\nL=b\r\n");
    EXPECT_EQ(ini.ReadKey("A", "L", "none"), "none");
    EXPECT_EQ(ini.ReadKey("B", "K", "none"), "none");
    EXPECT_EQ(ini.ReadKey("C", "K", "none"), "none");
}

TEST_F(TIniFileTest, BlanksAroundNamesAndValuesAreNotPartOfThem) {
    given("  [ S ]  \r\n   key   =   some value  \r\n");
    EXPECT_EQ(ini.ReadKey("S", "key", ""), "some value");
}

TEST_F(TIniFileTest, QuotedValuesLoseTheirQuotes) {
    given("[S]\r\nD=\"  two  \"\r\nE=' single '\r\nF=\"mixed'\r\nG=\"\r\nH=a\"b\"\r\n");
    EXPECT_EQ(ini.ReadKey("S", "D", ""), "  two  ");
    EXPECT_EQ(ini.ReadKey("S", "E", ""), " single ");
    EXPECT_EQ(ini.ReadKey("S", "F", ""), "\"mixed'");
    EXPECT_EQ(ini.ReadKey("S", "G", ""), "\"");
    EXPECT_EQ(ini.ReadKey("S", "H", ""), "a\"b\"");
}

TEST_F(TIniFileTest, LongValuesAreCutTo1023Characters) {
    const QString value(1500, u'x');
    given("[S]\r\nK=" + value.toUtf8() + "\r\n");
    EXPECT_EQ(ini.ReadKey("S", "K", ""), QString(1023, u'x'));
}

TEST_F(TIniFileTest, EmptyValueIsNotTheDefault) {
    given("[S]\r\nK=\r\n");
    EXPECT_EQ(ini.ReadKey("S", "K", "dflt"), "");
}

TEST_F(TIniFileTest, WriteIntoMissingFileCreatesSectionAndKey) {
    ini.WriteKey("COMPANY", "CONAME", "Acme");
    EXPECT_EQ(bytes(), "[COMPANY]\r\nCONAME=Acme\r\n");
}

TEST_F(TIniFileTest, WriteReplacesAnExistingKeyInPlace) {
    given("[S]\r\nA=1\r\nb=2\r\nC=3\r\n[T]\r\nB=9\r\n");
    ini.WriteKey("s", "B", "two");
    EXPECT_EQ(bytes(), "[S]\r\nA=1\r\nB=two\r\nC=3\r\n[T]\r\nB=9\r\n");
}

TEST_F(TIniFileTest, NewKeyGoesToTheEndOfItsSectionNotOfTheFile) {
    given("[S]\r\nA=1\r\n\r\n[T]\r\nB=2\r\n");
    ini.WriteKey("S", "N", "new");
    EXPECT_EQ(bytes(), "[S]\r\nA=1\r\nN=new\r\n\r\n[T]\r\nB=2\r\n");
}

TEST_F(TIniFileTest, NewSectionGoesToTheEndOfTheFile) {
    given("; a comment\r\n[S]\r\nA=1\r\n");
    ini.WriteKey("T", "B", "2");
    EXPECT_EQ(bytes(), "; a comment\r\n[S]\r\nA=1\r\n[T]\r\nB=2\r\n");
}

TEST_F(TIniFileTest, WritingKeepsOtherLinesAndTheirOrder) {
    given("junk line\n[S]\nZ=26\nnot a key\nA=1\n[T]\nQ=q");
    ini.WriteKey("T", "Q", "r");
    EXPECT_EQ(bytes(), "junk line\r\n[S]\r\nZ=26\r\nnot a key\r\nA=1\r\n[T]\r\nQ=r\r\n");
}

TEST_F(TIniFileTest, AWriteIsSeenAtOnceByAnotherObject) {
    const TIniFile other(file);
    ini.WriteKey("S", "K", "v1");
    EXPECT_EQ(other.ReadKey("S", "K", ""), "v1");
    other.WriteKey("S", "K", "v2");
    EXPECT_EQ(ini.ReadKey("S", "K", ""), "v2");
}

TEST_F(TIniFileTest, LineBreaksInAValueCannotForgeLines) {
    ini.WriteKey("S", "K", "one\r\n[X]\nY=z");
    EXPECT_EQ(ini.ReadKey("X", "Y", "absent"), "absent");
    EXPECT_EQ(ini.ReadKey("S", "K", ""), "one  [X] Y=z");
}

TEST_F(TIniFileTest, IntegersAndFlagsAreWrittenAsDecimalAndOneOrZero) {
    ini.WriteKeyInt("S", "I", -42);
    ini.WriteKeyFlag("S", "T", true);
    ini.WriteKeyFlag("S", "F", false);
    EXPECT_EQ(bytes(), "[S]\r\nI=-42\r\nT=1\r\nF=0\r\n");
}

TEST_F(TIniFileTest, ReadKeyIntForms) {
    given("[S]\r\nhex=0x1F\r\nHEX2=0XfF\r\nx=0x\r\nbad=12abc\r\ndollar=$1f\r\nneg=-17\r\n"
          "pos=+5\r\nlead=\"  12\"\r\ntrail=\"12 \"\r\nempty=\r\nword=true\r\nbig=99999999999\r\n"
          "negdollar=-$10\r\nhexbad=0x1G\r\n");
    EXPECT_EQ(ini.ReadKeyInt("S", "hex", 0), 31);
    EXPECT_EQ(ini.ReadKeyInt("S", "HEX2", 0), 255);
    EXPECT_EQ(ini.ReadKeyInt("S", "x", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "bad", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "dollar", 0), 31);
    EXPECT_EQ(ini.ReadKeyInt("S", "neg", 0), -17);
    EXPECT_EQ(ini.ReadKeyInt("S", "pos", 0), 5);
    EXPECT_EQ(ini.ReadKeyInt("S", "lead", 0), 12);
    EXPECT_EQ(ini.ReadKeyInt("S", "trail", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "empty", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "word", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "big", -1), -1);
    EXPECT_EQ(ini.ReadKeyInt("S", "negdollar", 0), -16);
    EXPECT_EQ(ini.ReadKeyInt("S", "hexbad", -1), -1);
}

TEST_F(TIniFileTest, ReadKeyFlagIsTrueForAnyNonZeroNumber) {
    given("[S]\r\ntwo=2\r\nminus=-1\r\nzero=0\r\nword=true\r\nhex=0x0\r\n");
    EXPECT_TRUE(ini.ReadKeyFlag("S", "two", false));
    EXPECT_TRUE(ini.ReadKeyFlag("S", "minus", false));
    EXPECT_FALSE(ini.ReadKeyFlag("S", "zero", true));
    EXPECT_FALSE(ini.ReadKeyFlag("S", "word", false));
    EXPECT_TRUE(ini.ReadKeyFlag("S", "word", true));
    EXPECT_FALSE(ini.ReadKeyFlag("S", "hex", true));
}

TEST_F(TIniFileTest, UnwritableFileRaisesAndStaysUnchanged) {
    given("[S]\r\nK=old\r\n");
    QFile::setPermissions(file, QFile::ReadOwner);
    if (QFile(file).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "running with rights that ignore file modes";
    try {
        ini.WriteKey("S", "K", "new");
        FAIL() << "no error raised";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Unable to write to " + file);
    }
    EXPECT_EQ(bytes(), "[S]\r\nK=old\r\n");
}

TEST_F(TIniFileTest, MissingFolderRaisesTheWriteMessage) {
    const TIniFile nowhere(ws.path("no/such/dir/x.dat"));
    try {
        nowhere.WriteKey("S", "K", "v");
        FAIL() << "no error raised";
    } catch (const ShipkitError& e) {
        EXPECT_EQ(e.message(), "Unable to write to " + ws.path("no/such/dir/x.dat"));
        EXPECT_FALSE(e.reason().isEmpty());
    }
    EXPECT_FALSE(ws.exists("no"));
}

TEST_F(TIniFileTest, GarbageNulAndHugeLinesNeverCrashAndGiveDefaults) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 131) % 256));
    given(junk + QByteArray(1 << 20, 'z') + "\0[S]\0K=v" + QByteArray(3, '\0'));
    EXPECT_EQ(ini.ReadKey("S", "K", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadKeyInt("S", "K", 5), 5);
    given("[S]\r\nK=" + QByteArray(1 << 20, 'y'));
    EXPECT_EQ(ini.ReadKey("S", "K", "").size(), 1023);
}

TEST_F(TIniFileTest, Windows1252FilesAreReadAndRewrittenAsUtf8) {
    given("[S]\r\nK=Caf\xe9 \x80\r\n");
    EXPECT_EQ(ini.ReadKey("S", "K", ""), QString::fromUtf8("Café €"));
    ini.WriteKey("S", "L", "x");
    EXPECT_EQ(bytes(), "[S]\r\nK=Caf\xc3\xa9 \xe2\x82\xac\r\nL=x\r\n");
}

TEST_F(TIniFileTest, Utf16FilesWithAByteOrderMarkAreReadAndRewrittenAsUtf8) {
    for (const bool littleEndian : {true, false}) {
        given(utf16Bytes(QString::fromUtf8("[S]\r\nK=Caf\u00e9\r\n"), littleEndian));
        EXPECT_EQ(ini.ReadKey("S", "K", ""), QString::fromUtf8("Caf\u00e9"));
        ini.WriteKey("S", "L", "x");
        EXPECT_EQ(bytes(), "[S]\r\nK=Caf\xc3\xa9\r\nL=x\r\n");
    }
}

TEST_F(TIniFileTest, Utf8ByteOrderMarkIsIgnored) {
    given("\xEF\xBB\xBF[S]\r\nK=v\r\n");
    EXPECT_EQ(ini.ReadKey("S", "K", ""), "v");
}

} // namespace

namespace {

TEST_F(TIniFileTest, WriteKeysPlacesEachKeyAsSeparateWritesWould) {
    given("[S]\r\nB=old\r\n\r\n[T]\r\nX=1\r\n");
    ini.WriteKeys("S", {{"A", "1"}, {"B", "2"}, {"C", "3"}, {"a", "4"}});
    const QByteArray batched = bytes();
    given("[S]\r\nB=old\r\n\r\n[T]\r\nX=1\r\n");
    for (const auto& [k, v] : TIniFile::KeyValues{{"A", "1"}, {"B", "2"}, {"C", "3"}, {"a", "4"}})
        ini.WriteKey("S", k, v);
    EXPECT_EQ(batched, bytes());
    EXPECT_EQ(batched, "[S]\r\nB=2\r\na=4\r\nC=3\r\n\r\n[T]\r\nX=1\r\n");
    ini.WriteKeys("New", {{"K", "v"}, {"L", "w"}});
    EXPECT_TRUE(bytes().endsWith("[New]\r\nK=v\r\nL=w\r\n"));
}

} // namespace
