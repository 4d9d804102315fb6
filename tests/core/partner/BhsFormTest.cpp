#include "partner/BhsAccount.h"
#include "partner/BhsAccountForm.h"
#include "partner/FormEncoding.h"
#include "records/CompanyRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(FormEncoding, EncodesWhatCouldBreakTheBodyAndKeepsSpaces) {
    const std::pair<const char*, const char*> cases[] = {
        {"Acme Software", "Acme Software"},
        {"Smith & Sons = Tools", "Smith %26 Sons %3D Tools"},
        {"100% + more #1", "100%25 %2B more %231"},
        {"two\r\nlines", "two%0D%0Alines"},
        {"tab\there", "tab%09here"},
        {"Caf\u00e9 \u20ac", "Caf%C3%A9 %E2%82%AC"},
        {"a/b?c:d;e@f.g-h_i~j'k\"l", "a/b?c:d;e@f.g-h_i~j'k\"l"},
        {"", ""},
    };
    for (const auto& [text, encoded] : cases)
        EXPECT_EQ(FormEncoding::value(QString::fromUtf8(text)), QByteArray(encoded)) << text;
}

TEST(BhsAccount, ListTakesOptionLinesAtTheirFirstCharacter) {
    const struct {
        const char* page;
        std::vector<BhsAccount> accounts;
    } cases[] = {
        {"<select>\r\n<option value=\"0\">Choose\r\n<option value=\"1234\">Acme Software\r\n"
         "<option value=\"77\">Other & Sons</option>\r\n</select>",
         {{"Acme Software", "1234"}, {"Other & Sons</option>", "77"}}},
        {"<option value=\"5\">LF only\n<option value=\"6\">CR only\r<option value=\"7\">Last",
         {{"LF only", "5"}, {"CR only", "6"}, {"Last", "7"}}},
        {"  <option value=\"9\">Indented\r\n\t<option value=\"8\">Tabbed\r\n", {}},
        {"<option value=\"0\">Placeholder\r\n<OPTION value=\"3\">Upper\r\n", {}},
        {"<option value=3>No quotes\r\n<option value=\"\">Empty id\r\n<option value=\"4\"\r\n", {}},
        {"<option value=\"12\" selected>Picked <b>bold</b>", {{"Picked <b>bold</b>", "12"}}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BhsAccount::parseList(QString::fromUtf8(c.page)), c.accounts) << c.page;
}

CompanyRecord company() {
    CompanyRecord r;
    r[CompanyRecord::CONAME] = "Smith & Sons = Tools";
    r[CompanyRecord::CADDR] = "1 Main St";
    r[CompanyRecord::CCITY] = "Springfield";
    r[CompanyRecord::CSTATE] = "Oregon State";
    r[CompanyRecord::CCOUNTRY] = "United States of America";
    r[CompanyRecord::CZIP] = "97477-12345";
    r[CompanyRecord::CPHONE] = "+1 555 0100";
    r[CompanyRecord::CCMAIL] = "sales@smith.example";
    r[CompanyRecord::CEMAIL] = "contact@smith.example";
    r[CompanyRecord::CURL] = "http://smith.example/?a=1&b=2";
    return r;
}

TEST(BhsAccountForm, PrefilledFromTheCompanyWithinTheLimits) {
    const BhsAccountForm form = BhsAccountForm::prefilled(company());
    EXPECT_EQ(form[BhsAccountForm::Name], "Smith & Sons = Tools");
    EXPECT_EQ(form[BhsAccountForm::Address1], "1 Main St");
    EXPECT_EQ(form[BhsAccountForm::Address2], "");
    EXPECT_EQ(form[BhsAccountForm::City], "Springfield");
    EXPECT_EQ(form[BhsAccountForm::State], "Oregon State/United State");
    EXPECT_EQ(form[BhsAccountForm::Zipcode], "97477-1234");
    EXPECT_EQ(form[BhsAccountForm::Phone], "+1 555 0100");
    EXPECT_EQ(form[BhsAccountForm::Email], "sales@smith.example");
    EXPECT_EQ(form[BhsAccountForm::FTPSite], "");
    EXPECT_EQ(form[BhsAccountForm::WebSite], "http://smith.example/?a=1&b=2");
    EXPECT_TRUE(form.complete());
}

TEST(BhsAccountForm, BodyByteForByte) {
    BhsAccountForm form = BhsAccountForm::prefilled(company());
    form.fillBlanks();
    EXPECT_EQ(form.body(), QByteArray("name=Smith %26 Sons %3D Tools&Address1=1 Main St&Address2= &"
                                      "City=Springfield&State=Oregon State/United State&"
                                      "Zipcode=97477-1234&phone=%2B1 555 0100&"
                                      "email=sales@smith.example&FTPSite=none&"
                                      "WebSite=http://smith.example/?a%3D1%26b%3D2&add= Submit"));
    form.set(BhsAccountForm::FTPSite, "ftp.smith.example");
    form.set(BhsAccountForm::Address2, "Suite 5");
    form.fillBlanks();
    EXPECT_TRUE(form.body().contains("&Address2=Suite 5&"));
    EXPECT_TRUE(form.body().contains("&FTPSite=ftp.smith.example&"));
}

TEST(BhsAccountForm, EveryRequiredFieldMustHoldSomething) {
    for (int f = 0; f < BhsAccountForm::FieldCount; ++f) {
        BhsAccountForm form = BhsAccountForm::prefilled(company());
        form.set(static_cast<BhsAccountForm::Field>(f), QString());
        EXPECT_EQ(form.complete(), !BhsAccountForm::fields()[f].required)
            << BhsAccountForm::fields()[f].label;
    }
}

TEST(BhsAccountForm, NewIdIsTheFirstQuotedValue) {
    const std::pair<const char*, const char*> cases[] = {
        {"<html>\r\n<input type=hidden name=id value=\"4711\">\r\nvalue=\"9\"", "4711"},
        {"no id here\r\n", ""},
        {"<input value=\"\">", ""},
        {"<input value=\"83 and the rest", "83 and the rest"},
        {"", ""},
    };
    for (const auto& [answer, id] : cases)
        EXPECT_EQ(BhsAccountForm::newId(QString::fromUtf8(answer)), QString::fromUtf8(id))
            << answer;
}

} // namespace
