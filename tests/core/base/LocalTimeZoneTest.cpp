#include "base/LocalTimeZone.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <optional>
#include <time.h>

namespace {

// Puts TZ back as it was, set or unset, whatever a case did to it.
class SavedTz {
public:
    SavedTz() {
        if (qEnvironmentVariableIsSet("TZ"))
            m_value = qgetenv("TZ");
    }
    ~SavedTz() {
        if (m_value)
            qputenv("TZ", *m_value);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    std::optional<QByteArray> m_value;
};

TEST(LocalTimeZoneTest, NamesTheSystemZoneOnlyWhenTzIsUnset) {
    struct Case {
        std::optional<QByteArray> before;
        QByteArray after;
    };
    const Case cases[] = {
        {std::nullopt, ":/etc/localtime"},
        {QByteArray("Europe/Berlin"), "Europe/Berlin"},
        {QByteArray("UTC"), "UTC"},
        {QByteArray(""), ""}, // set but empty: the C library's UTC, the user's choice
    };
    for (const Case& c : cases) {
        SavedTz saved;
        if (c.before)
            qputenv("TZ", *c.before);
        else
            qunsetenv("TZ");
        LocalTimeZone::pin();
        EXPECT_TRUE(qEnvironmentVariableIsSet("TZ"));
        EXPECT_EQ(qgetenv("TZ"), c.after) << (c.before ? c.before->constData() : "unset");
    }
}

} // namespace
