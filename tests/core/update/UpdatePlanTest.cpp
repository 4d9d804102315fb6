#include "update/UpdatePlan.h"
#include "base/ShipkitError.h"
#include "base/Workspace.h"

#include <gtest/gtest.h>

namespace {

const Workspace kPaths = Workspace::at(QStringLiteral("/w/"));

QStringList shown(const UpdatePlan& plan) {
    QStringList lines;
    for (const UpdatePlan::Item& item : plan.items())
        lines << item.shown;
    return lines;
}

TEST(UpdatePlan, PlacesEachFileAndLeavesOutWhatIsNeverInstalled) {
    const struct {
        QStringList names;
        QStringList shown;
        QStringList passedOver = {};
    } cases[] = {
        {{"Sites.dat", "bar.ini", "foo.cat"}, {"sites/Sites.dat", "sites/bar.ini", "cat/foo.cat"}},
        {{"a.ini", "b Cat1.cat", "sites.DAT"},
         {"sites/Sites.dat", "sites/a.ini", "cat/b Cat1.cat"}},
        {{"Sites.dat", "sksites.zip", "old-sksites.zip.1"}, {"sites/Sites.dat"}},
        {{"User_Sites.dat", "x.ini", "user_sites.DAT"},
         {"sites/x.ini"},
         {"User_Sites.dat", "user_sites.DAT"}},
        {{"SITES.dat", "Sites.dat"}, {"sites/Sites.dat"}},
        {{"x.CAT", "y.cat.bak"}, {"sites/x.CAT", "cat/y.cat.bak"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.names.join(", ").toStdString());
        const UpdatePlan plan(QStringLiteral("/w/sites/updates/"), c.names, kPaths);
        EXPECT_EQ(shown(plan), c.shown);
        EXPECT_EQ(plan.passedOver(), c.passedOver);
    }
}

TEST(UpdatePlan, ItemsNameTheirSourceAndTarget) {
    const UpdatePlan plan(QStringLiteral("/u/"), {"sites.dat", "f.cat"}, kPaths);
    ASSERT_EQ(plan.items().size(), 2u);
    EXPECT_EQ(plan.items()[0].source, "/u/sites.dat");
    EXPECT_EQ(plan.items()[0].folder, "/w/sites/");
    EXPECT_EQ(plan.items()[0].name, "Sites.dat");
    EXPECT_EQ(plan.items()[1].folder, "/w/cat/");
}

TEST(UpdatePlan, RefusesWhatCannotBeInstalled) {
    const struct {
        QStringList names;
        const char* says;
    } cases[] = {
        {{}, "The archive holds no site data files."},
        {{"User_Sites.dat", "sksites.zip"}, "The archive holds no site data files."},
        {{"a.ini", "bad\x01.ini"}, "cannot be a file name in the workspace"},
        {{QString::fromUtf8("x\u00b1y.ini")}, "cannot be a file name in the workspace"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        try {
            UpdatePlan(QStringLiteral("/u/"), c.names, kPaths);
            ADD_FAILURE() << "not refused";
        } catch (const ShipkitError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.says))) << e.what();
        }
    }
}

} // namespace
