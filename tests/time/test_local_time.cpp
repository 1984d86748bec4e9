#include "time/local_time.h"
#include "time/zone_lookup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace brelo {
namespace {

using namespace std::chrono;

// "2027-03-28 02:30" or "1899-12-31 23:50:39" as seconds from 1970, no zone.
seconds sinceEpoch(const std::string &text)
{
    int y = 0;
    unsigned mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const int read = std::sscanf(text.c_str(), "%d-%u-%u %u:%u:%u", &y, &mo, &d, &h, &mi, &s);
    EXPECT_GE(read, 5) << text;
    return sys_days{year{y} / month{mo} / day{d}}.time_since_epoch() + hours{h} + minutes{mi} + seconds{s};
}

// Local times across every kind of clock change, in 2027 and in 2038 (where
// Qt 6.4's own conversion is an hour out), each read back exactly.
TEST(CheckedLocalTime, EveryUtInstantOfALocalTime)
{
    std::ifstream table(BRELO_LOCAL_TIMES);
    std::string line;
    std::getline(table, line);  // header
    int rows = 0;
    for (; std::getline(table, line); ++rows) {
        std::istringstream cells(line);
        std::string zoneName, local, expected;
        std::getline(cells, zoneName, '\t');
        std::getline(cells, local, '\t');
        std::getline(cells, expected);
        const auto zone = zoneNamed(QString::fromStdString(zoneName));
        ASSERT_TRUE(zone) << zoneName;
        std::vector<sys_seconds> wanted;
        std::istringstream each(expected);
        for (std::string instant; std::getline(each, instant, '|');)
            if (instant != "-")
                wanted.push_back(sys_seconds{sinceEpoch(instant)});
        EXPECT_EQ(instantsAtLocalTime(local_seconds{sinceEpoch(local)}, *zone), wanted)
            << zoneName << " " << local;
    }
    EXPECT_EQ(rows, 23);
}

TEST(CheckedLocalTime, ReadingSaysSkippedOrRepeated)
{
    const QTimeZone paris = *zoneNamed(QStringLiteral("Europe/Paris"));
    const LocalReading skipped = readLocalTime(local_seconds{sinceEpoch("2038-03-28 02:30")}, paris,
                                               QStringLiteral("--from (2038-03-28 02:30)"));
    EXPECT_FALSE(skipped.ok());
    EXPECT_EQ(skipped.problem.toStdString(),
              "--from (2038-03-28 02:30) n'existe pas dans le fuseau Europe/Paris (changement d'heure).");
    const LocalReading twice = readLocalTime(local_seconds{sinceEpoch("2027-10-31 02:30")}, paris,
                                             QStringLiteral("Début (31/10/2027 02:30)"));
    EXPECT_FALSE(twice.ok());
    EXPECT_EQ(twice.instants.size(), 2u);
    EXPECT_EQ(twice.problem.toStdString(),
              "Début (31/10/2027 02:30) a lieu deux fois dans le fuseau Europe/Paris (changement d'heure) : "
              "à 2027-10-31 00:30 TU puis à 2027-10-31 01:30 TU.");
    const LocalReading once = readLocalTime(local_seconds{sinceEpoch("2038-03-28 12:00")}, paris, QString());
    ASSERT_TRUE(once.ok());
    EXPECT_EQ(dateTimeText(once.instants.at(0)).toStdString(), "2038-03-28 10:00");
}

TEST(CheckedLocalTime, InstantsShownInTheZone)
{
    const QTimeZone paris = *zoneNamed(QStringLiteral("Europe/Paris"));
    const struct {
        const char *ut, *local, *offset;
    } cases[] = {
        {"2027-03-28 00:59", "2027-03-28 01:59", "+01:00"},
        {"2027-03-28 01:00", "2027-03-28 03:00", "+02:00"},
        {"2038-10-31 00:59", "2038-10-31 02:59", "+02:00"},
        {"2038-10-31 01:00", "2038-10-31 02:00", "+01:00"},
        {"1900-01-01 00:00", "1900-01-01 00:09:21", "+00:09:21"},
    };
    for (const auto &c : cases) {
        const ZonedTime zoned = zonedTime(sys_seconds{sinceEpoch(c.ut)}, paris);
        EXPECT_EQ(dateTimeText(zoned.local).toStdString(), c.local) << c.ut;
        EXPECT_EQ(offsetText(zoned.offsetSeconds).toStdString(), c.offset) << c.ut;
    }
    EXPECT_EQ(offsetText(-12600).toStdString(), "-03:30");
}

} // namespace
} // namespace brelo
