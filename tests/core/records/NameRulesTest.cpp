#include "records/NameRules.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    QString name;
    QString problem; // empty: the name may be used
};

TEST(NameRules, RefusesWhatCannotBeAFileName) {
    const QString choose = QStringLiteral(" Please choose another name.");
    const NameCase cases[] = {
        {"readme.txt", ""},
        {"A Site (2)", ""},
        {QString(200, u'x'), ""},
        {"", "A name cannot be empty." + choose},
        {QString(201, u'x'), "A name cannot be longer than 200 characters." + choose},
        {".", "\".\" cannot be used as a name. Please choose another."},
        {"..", "\"..\" cannot be used as a name. Please choose another."},
        {"../evil", "A name cannot contain the character \"/\"." + choose},
        {"a\\b", "A name cannot contain the character \"\\\"." + choose},
        {QStringLiteral("a\u00B1b"), QStringLiteral("A name cannot contain the character "
                                                    "\"\u00B1\".") +
                                         choose},
        {"tab\there", "A name cannot contain control characters." + choose},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(NameRules::fileNameProblem(c.name), c.problem) << c.name.toStdString();
}

} // namespace
