#include "time/zone_lookup.h"

#include <gtest/gtest.h>

namespace brelo {
namespace {

// Names of the time-zone database and explicit offsets are zones; anything
// else, which Qt would take as a POSIX rule meaning UT, is not.
TEST(ZoneLookup, DatabaseNamesAndExplicitOffsetsOnly)
{
    const struct {
        const char *text;
        bool known;
        int offsetInJanuary2027;  // seconds east of Greenwich, when known
    } cases[] = {
        {"Europe/Paris", true, 3600},  {"America/New_York", true, -18000}, {"CET", true, 3600},
        {"US/Eastern", true, -18000},  {"UTC", true, 0},                   {"UTC+02:00", true, 7200},
        {"UTC-3", true, -10800},       {"+05:30", true, 19800},            {"-0800", true, -28800},
        {"+14:00", true, 50400},       {"Paris", false, 0},                {"Berlin", false, 0},
        {"Foo", false, 0},             {"", false, 0},                     {"+15:00", false, 0},
        {"+02:60", false, 0},          {"Europe/Paris ", false, 0},        {"../../etc/passwd", false, 0},
        {"/usr/share/zoneinfo/CET", false, 0}, {"zone.tab", false, 0},     {"right/Europe/Paris", false, 0},
        {"EST5EDT,M3.2.0,M11.1.0", false, 0},
    };
    const QDateTime january(QDate(2027, 1, 15), QTime(12, 0), Qt::UTC);
    for (const auto &c : cases) {
        const auto zone = zoneNamed(QString::fromUtf8(c.text));
        EXPECT_EQ(zone.has_value(), c.known) << '"' << c.text << '"';
        if (zone) {
            EXPECT_EQ(zone->offsetFromUtc(january), c.offsetInJanuary2027) << c.text;
        }
    }
}

TEST(ZoneLookup, MessagesNameWhatWasTyped)
{
    EXPECT_EQ(unknownZoneMessage(QStringLiteral("Paris")).toStdString(),
              "fuseau inconnu : Paris (exemple : Europe/Paris)");
    EXPECT_EQ(unknownZoneMessage(QString()).toStdString(), "fuseau vide (exemple : Europe/Paris)");
}

} // namespace
} // namespace brelo
