#include "scripts/ScriptExpander.h"
#include "base/Clock.h"
#include "engines/TEngBuild.h"
#include "records/ApplicationRecord.h"
#include "records/CompanyRecord.h"
#include "scripts/ExpansionContext.h"
#include "scripts/ScriptVariables.h"
#include "shell/Session.h"
#include "shell/TGWide.h"
#include "support/ScriptedPrompter.h"
#include "support/TempWorkspace.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

class ScriptExpanderTest : public ::testing::Test {
protected:
    CompanyRecord company;
    ApplicationRecord app;
    SiteEngine engine;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 7), QTime(21, 5, 9))};
    ExpansionContext context;

    void SetUp() override {
        context.company = &company;
        context.app = &app;
        context.appName = "Foo";
        context.engine = &engine;
        context.clock = &clock;
        context.prompter = &prompter;
        engine.name = "Site One";
        app.setValue("VERSION", "1.2");
    }
    QString expand(const QString& text, bool live = true) {
        ScriptExpander x(context);
        QString out = x.ExpandText(text, live);
        error = x.ScriptError();
        errorName = x.ErrorName();
        return out;
    }
    QString value(const QString& name, bool live = true) { return expand('%' + name + '%', live); }
    bool error = false;
    QString errorName;
};

TEST_F(ScriptExpanderTest, PlainTextAndVariables) {
    EXPECT_EQ(expand("Name: %APPNAME%, %APPVERSION%"), "Name: Foo, 1.2");
    EXPECT_FALSE(error);
    EXPECT_EQ(expand("no variables here"), "no variables here");
    EXPECT_FALSE(error);
    EXPECT_EQ(expand(""), "");
    EXPECT_FALSE(error);
}

TEST_F(ScriptExpanderTest, SixtyOneVariablesInPickerOrder) {
    const auto& all = ScriptVariables::all();
    ASSERT_EQ(all.size(), 61u);
    EXPECT_EQ(ScriptVariables::pickerRows().first(), "%COMPNAME%|Company Name");
    EXPECT_EQ(ScriptVariables::pickerRows().last(),
              "%FBBSDESC%|8X3 File Name (.Zip) with Short Description");
    EXPECT_EQ(ScriptVariables::pickerRows()[6], "%CONTPHONE%|Contect Telephone");
    EXPECT_EQ(ScriptVariables::pickerRows()[28], "%APPSTATUS%|Application Distribution Status ");
    for (size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(static_cast<size_t>(all[i].id), i) << all[i].name.toStdString();
}

TEST_F(ScriptExpanderTest, EveryPlainFieldInBothModes) {
    for (int f = 0; f < CompanyRecord::FieldCount; ++f)
        company.values[f] = "c-" + CompanyRecord::keys()[f];
    for (const auto& key : ApplicationRecord::keys())
        app.setValue(key.name, "a-" + key.name);
    app.longDescription = "Line one\r\nLine two";
    app.notes = "Note\r\n";
    const std::vector<std::pair<QString, QString>> expected = {
        {"COMPNAME", "c-CONAME"},
        {"COMPURL", "c-CURL"},
        {"COMPMAIL", "c-CCMAIL"},
        {"CONTNAME", "c-CONTACT"},
        {"CONTTITLE", "c-CTITLE"},
        {"CONTEMAIL", "c-CEMAIL"},
        {"CONTPHONE", "c-CPHONE"},
        {"CONTFAX", "c-CFAX"},
        {"CONTADDR", "c-CADDR"},
        {"CONTCITY", "c-CCITY"},
        {"CONTSTATE", "c-CSTATE"},
        {"CONTZIP", "c-CZIP"},
        {"CONTCOUNTRY", "c-CCOUNTRY"},
        {"APPNAME", "Foo"},
        {"8PLUS3", "a-8CHAR"},
        {"APPFILENAME", "a-FILENAME"},
        {"APPVERSION", "a-VERSION"},
        {"APPMONTH", "a-MONTH"},
        {"APPDAY", "a-DAY"},
        {"APPYEAR", "a-YEAR"},
        {"APPPLAT", "a-PLATFORM"},
        {"APPSUBMITBY", "a-DSTATUS"},
        {"APPSIZE32", "a-SIZE32"},
        {"APPINSTSIZE32", "a-INSTSIZE32"},
        {"APPSIZE16", "a-SIZE16"},
        {"APPINSTSIZE16", "a-INSTSIZE16"},
        {"APPLOCALPATH", "a-PATH"},
        {"APPPRICE", "a-PRICE"},
        {"APPSTATUS", "a-STATUS"},
        {"APPEVAL", "a-EVAL"},
        {"APPEXPDATE", "a-XDATE"},
        {"APPEXPAFTER", "a-XDAYS"},
        {"APPREQ", "a-SPECREQ"},
        {"APPINSTALL", "a-installer"},
        {"APPURL", "a-APPURL"},
        {"APP32DL1", "a-DL1_32"},
        {"APP32DL2", "a-DL2_32"},
        {"APP32DL3", "a-DL3_32"},
        {"APP32DL4", "a-DL4_32"},
        {"APP16DL1", "a-DL1_16"},
        {"APP16DL2", "a-DL2_16"},
        {"APP16DL3", "a-DL3_16"},
        {"APP16DL4", "a-DL4_16"},
        {"APPSCREEN", "a-SHOT"},
        {"APPICONGIF", "a-GIF"},
        {"APPICONICO", "a-ICO"},
        {"APPSHORTDESC", "a-SHORTDESC"},
        {"APPLONGDESC", "Line one\r\nLine two"},
        {"APPNOTES", "Note\r\n"},
        {"SITENAME", "Site One"},
        {"CURDATE_DAY", "7"},
        {"CURDATE_MONTH", "3"},
        {"CURDATE_YEAR", "2026"},
        {"CURTIME_HRS", "21"},
        {"CURTIME_MIN", "5"},
        {"BHSID", "c-BHSID"},
        {"FBBSDESC", "a-8CHAR.zip     a-SHORTDESC"},
    };
    for (bool live : {true, false}) {
        for (const auto& [name, want] : expected) {
            EXPECT_EQ(value(name, live), want) << name.toStdString() << " live=" << live;
            EXPECT_FALSE(error) << name.toStdString();
        }
    }
}

TEST_F(ScriptExpanderTest, DateAndTimeFollowTheUserLocale) {
    const QString date = QLocale::system().toString(QDate(2026, 3, 7), QLocale::ShortFormat);
    const QString time = QLocale::system().toString(QTime(21, 5, 9), QLocale::LongFormat);
    EXPECT_EQ(value("CURDATE"), date);
    EXPECT_TRUE(date.contains("26")) << date.toStdString();
    EXPECT_EQ(value("CURTIME", false), time);
    EXPECT_TRUE(time.contains("05")) << time.toStdString();
    clock.set(QDateTime(QDate(2027, 12, 31), QTime(0, 0)));
    EXPECT_EQ(expand("%CURDATE_DAY%.%CURDATE_MONTH%.%CURDATE_YEAR% %CURTIME_HRS%:%CURTIME_MIN%"),
              "31.12.2027 0:0");
}

TEST_F(ScriptExpanderTest, NoClosingSignFailsWithEmptyNameAndKeepsTheInput) {
    EXPECT_EQ(expand("Hello %APPNAME"), "Hello %APPNAME");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "");
    EXPECT_EQ(expand("%APPNAME% and %APPVERSION"), "%APPNAME% and %APPVERSION");
    EXPECT_TRUE(error);
}

TEST_F(ScriptExpanderTest, EmptyLowerCaseAndUnknownNames) {
    EXPECT_EQ(expand("100%% sure"), "100%% sure");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "");
    EXPECT_EQ(expand("x %appname% y"), "x %appname% y");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "appname");
    EXPECT_EQ(expand("%APPNAME% %NOSUCH%"), "%APPNAME% %NOSUCH%");
    EXPECT_EQ(errorName, "NOSUCH");
    // A later successful call clears the outcome.
    expand("%APPNAME%");
    EXPECT_FALSE(error);
    EXPECT_EQ(errorName, "");
}

TEST_F(ScriptExpanderTest, PercentSignInsideAnInsertedValue) {
    app.longDescription = "Save 50% now";
    EXPECT_EQ(expand("Desc: %APPLONGDESC%"), "Desc: %APPLONGDESC%");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "");
    expand("%APPLONGDESC% for %APPNAME%");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, " now for ");
}

TEST_F(ScriptExpanderTest, InsertedValuesAreExpandedInTurn) {
    company[CompanyRecord::CONAME] = "%APPNAME%";
    EXPECT_EQ(expand("By %COMPNAME%."), "By Foo.");
    EXPECT_FALSE(error);
    // A name may start inside a value and end in the text after it.
    company[CompanyRecord::CONAME] = "<%APP";
    EXPECT_EQ(expand("%COMPNAME%NAME%>"), "<Foo>");
    EXPECT_FALSE(error);
}

TEST_F(ScriptExpanderTest, SelfNamingValueStopsAfterOneHundredInsertions) {
    company[CompanyRecord::CONAME] = "x%COMPNAME%";
    EXPECT_EQ(expand("Hi %COMPNAME%"), "Hi %COMPNAME%");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "COMPNAME");
    company[CompanyRecord::CONAME] = "%CONTNAME%";
    company[CompanyRecord::CONTACT] = "%COMPNAME%";
    expand("%COMPNAME%");
    EXPECT_TRUE(error);
    // The hundredth insertion was the contact's value, the last one made.
    EXPECT_EQ(errorName, "CONTNAME");
}

TEST_F(ScriptExpanderTest, ThousandsOfOrdinaryVariablesStillExpand) {
    QString text;
    QString want;
    for (int i = 0; i < 5000; ++i) {
        text += "%APPNAME%,";
        want += "Foo,";
    }
    EXPECT_EQ(expand(text), want);
    EXPECT_FALSE(error);
    app.longDescription = text;
    EXPECT_EQ(expand("[%APPLONGDESC%]"), '[' + want + ']');
    EXPECT_FALSE(error);
}

// The expanded text is bounded (16 Mi characters), however the fields insert one another.
struct Sized {
    const char* what;
    QString script;
    std::vector<std::pair<const char*, QString>> fields; // application keys and values
    qsizetype length;                                    // of the expansion; -1 when it must fail
    QStringList failsOn; // the variables it may fail on, the one being inserted
};

void PrintTo(const Sized& s, std::ostream* os) {
    *os << s.what;
}

const Sized kSizes[] = {
    {"fields that insert fields that insert fields",
     "%APPSHORTDESC%",
     {{"SHORTDESC", QString("%APPURL%").repeated(127)},
      {"APPURL", QString("%APPSCREEN%").repeated(93)},
      {"SHOT", QString("%APPICONGIF%").repeated(4)},
      {"GIF", QString(1000, u'x')}},
     -1,
     {"APPURL", "APPSCREEN", "APPICONGIF"}},
    {"one field many times",
     QString("%APPSHORTDESC%").repeated(20000),
     {{"SHORTDESC", QString(1000, u'y')}},
     -1,
     {"APPSHORTDESC"}},
    {"just under the bound",
     QString("%APPSHORTDESC%").repeated(16000),
     {{"SHORTDESC", QString(1000, u'y')}},
     16000000,
     {}},
};

class ScriptExpanderSizeTest : public ScriptExpanderTest,
                               public ::testing::WithParamInterface<Sized> {};

TEST_P(ScriptExpanderSizeTest, ExpansionStaysWithinTheBound) {
    for (const auto& [key, text] : GetParam().fields)
        app.setValue(key, text);
    const QString out = expand(GetParam().script);
    if (GetParam().length < 0) {
        EXPECT_TRUE(error);
        EXPECT_TRUE(GetParam().failsOn.contains(errorName)) << errorName.toStdString();
        EXPECT_EQ(out, GetParam().script);
    } else {
        EXPECT_FALSE(error);
        EXPECT_EQ(out.size(), GetParam().length);
    }
}

INSTANTIATE_TEST_SUITE_P(EverySize, ScriptExpanderSizeTest, ::testing::ValuesIn(kSizes));

TEST_F(ScriptExpanderTest, KilobytesMegabytesAndBytes) {
    const auto size = [&](const QString& bytes, int format) {
        app.setValue("SIZE16", bytes);
        engine.set("BYTE_FORMAT", QString::number(format));
        return value("APPSIZE16");
    };
    EXPECT_EQ(size("1025", 2), "1");
    EXPECT_EQ(size("2048", 2), "2");
    EXPECT_EQ(size("1024", 2), "1");
    EXPECT_EQ(size("", 2), "1");
    EXPECT_EQ(size("abc", 2), "1");
    EXPECT_EQ(size("3145728", 3), "3");
    EXPECT_EQ(size("1572864", 3), "1.5");
    EXPECT_EQ(size("1500000", 3), "1.42");
    EXPECT_EQ(size("104857600", 3), "100");
    EXPECT_EQ(size("524288", 3), "0.5");
    EXPECT_EQ(size("", 3), "0.00");
    EXPECT_EQ(size("", 1), "");
    EXPECT_EQ(size("1234", 1), "1234");
    EXPECT_EQ(size("1234", 7), "1234");
}

TEST_F(ScriptExpanderTest, ThirtyTwoBitSizesFallBackToSixteenBit) {
    engine.set("BYTE_FORMAT", "2");
    app.setValue("SIZE16", "2048");
    app.setValue("INSTSIZE16", "4096");
    EXPECT_EQ(value("APPSIZE32"), "2");
    EXPECT_EQ(value("APPINSTSIZE32"), "4");
    app.setValue("SIZE32", "10240");
    EXPECT_EQ(value("APPSIZE32"), "10");
}

TEST_F(ScriptExpanderTest, DownloadUrlsFallBackOnlyFromThirtyTwoBit) {
    app.setValue("DL2_16", "http://x/16");
    EXPECT_EQ(value("APP32DL2"), "http://x/16");
    EXPECT_EQ(value("APP16DL2"), "http://x/16");
    app.setValue("DL2_32", "http://x/32");
    EXPECT_EQ(value("APP32DL2"), "http://x/32");
    app.setValue("DL3_32", "http://y/32");
    EXPECT_EQ(value("APP16DL3"), "");
}

TEST_F(ScriptExpanderTest, MatchUpValues) {
    app.setValue("PLATFORM", "Windows 95");
    engine.set("MUF_Windows95", "Win95");
    EXPECT_EQ(value("APPPLAT"), "Win95");
    engine.set("MUF_Windows95", "");
    EXPECT_EQ(value("APPPLAT"), "Windows 95");
    app.setValue("PLATFORM", "windows 95");
    engine.set("MUF_Windows95", "Win95");
    EXPECT_EQ(value("APPPLAT"), "windows 95");
    app.setValue("DSTATUS", "Author");
    engine.set("MUF_Author", "Writer");
    EXPECT_EQ(value("APPSUBMITBY"), "Writer");
    app.setValue("STATUS", "Beta");
    engine.set("MUF_Beta", "Test");
    EXPECT_EQ(value("APPSTATUS"), "Test");
    app.setValue("installer", "Install/Uninstall");
    engine.set("MUF_InstallUninstall", "Both");
    EXPECT_EQ(value("APPINSTALL"), "Both");
    // A fixed text of another group is not translated.
    app.setValue("installer", "Beta");
    EXPECT_EQ(value("APPINSTALL"), "Beta");
}

TEST_F(ScriptExpanderTest, FileListLineIsPaddedToSixteen) {
    app.setValue("SHORTDESC", "A tool");
    app.setValue("8CHAR", "ABCDEFGH");
    EXPECT_EQ(value("FBBSDESC"), "ABCDEFGH.zip    A tool");
    app.setValue("8CHAR", "AB");
    EXPECT_EQ(value("FBBSDESC"), "AB.zip          A tool");
    app.setValue("8CHAR", "ABCDEF");
    EXPECT_EQ(value("FBBSDESC"), "ABCDEF.zip      A tool");
    app.setValue("8CHAR", "ABCDEFGHIJKLM");
    EXPECT_EQ(value("FBBSDESC"), "ABCDEFGHIJKLM.zipA tool");
}

TEST_F(ScriptExpanderTest, LiveCategoryWithoutUseOrListFailsAsUnknown) {
    engine.cat1 = "g\">Games";
    EXPECT_EQ(expand("c=%SITECAT1%"), "c=%SITECAT1%");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "UNKNOWN");
    engine.setFlag("USE_CAT2", true);
    expand("c=%SITECAT2%");
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "UNKNOWN");
}

TEST_F(ScriptExpanderTest, CheckModeTakesTheFirstLineWhateverUseSays) {
    engine.cat1 = "first\">First\r\nsecond\">Second";
    engine.cat2 = "only";
    EXPECT_EQ(expand("%SITECAT1%/%SITECAT2%", false), "first/only");
    EXPECT_FALSE(error);
    engine.cat2.clear();
    expand("%SITECAT1%/%SITECAT2%", false);
    EXPECT_TRUE(error);
    EXPECT_EQ(errorName, "%UNKNOWN%");
}

TEST_F(ScriptExpanderTest, LiveCategoryTakesTheFirstLineHoldingTheLabel) {
    engine.setFlag("USE_CAT1", true);
    engine.setFlag("USE_CAT2", true);
    engine.cat1 = "util\">Utilities\r\narc\">Arcade Games\r\ngam\">Games";
    engine.cat2 = "x\">Other\r\nb\">Business";
    context.cat1Label = "Games";
    context.cat2Label = "Business";
    EXPECT_EQ(expand("%SITECAT1%+%SITECAT2%"), "arc+b");
    EXPECT_FALSE(error);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ScriptExpanderTest, LabelFoundNowhereIsUsedItselfAfterTheMessage) {
    engine.setFlag("USE_CAT1", true);
    engine.setFlag("USE_CAT2", true);
    engine.cat1 = "a\">Alpha";
    engine.cat2 = "b\">Beta";
    context.cat1Label = "Zeta";
    context.cat2Label = "Omega";
    EXPECT_EQ(expand("%SITECAT1%"), "Zeta");
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].endsWith("Could NotFind!")) << prompter.shown[0].toStdString();
    EXPECT_EQ(expand("%SITECAT2%"), "Omega");
    EXPECT_EQ(prompter.shown.size(), 1);
}

TEST_F(ScriptExpanderTest, TheSessionsContextReadsUnsavedEditsAndKeepsTheLastOutcome) {
    TempWorkspace ws;
    ScriptedPrompter p;
    FixedClock c{QDateTime(QDate(2026, 1, 2), QTime(3, 4))};
    TGWide gwide(ws.dir());
    Session session(gwide, p, c);
    ASSERT_TRUE(session.LoadWorkspace());
    gwide.engBuild()->current().name = "Here";
    session.setAppValue("VERSION", "9.9"); // an unsaved edit
    const ExpansionContext context = session.expansionContext();
    ScriptExpander eng(context);
    EXPECT_EQ(eng.ExpandText("%SITENAME% %APPVERSION% %CURDATE_YEAR%", true), "Here 9.9 2026");
    EXPECT_FALSE(eng.ScriptError());
    EXPECT_EQ(eng.ExpandText("%BAD%", false), "%BAD%");
    EXPECT_TRUE(eng.ScriptError());
    EXPECT_EQ(eng.ErrorName(), "BAD");
    ScriptExpander lookup(context);
    EXPECT_EQ(lookup.LookupVariable("APPVERSION", true), "9.9");
    EXPECT_FALSE(lookup.ScriptError());
}

} // namespace
