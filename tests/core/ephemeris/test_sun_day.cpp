#include "core/ephemeris/sun_day.h"
#include "core/ephemeris/sun_day_text.h"
#include "support/reference_tsv.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brelo {
namespace {

using namespace std::chrono;

EphemerisInput pageAt(const std::string &isoDate, const std::vector<std::string> &position)
{
    EphemerisInput in;
    in.txtann = isoDate.substr(0, 4);
    in.txtmois = isoDate.substr(5, 2);
    in.txtjour = isoDate.substr(8, 2);
    in.txtheur = "17";  // the time fields play no part
    in.txtlatideg = position[0];
    in.txtlatimin = position[1];
    in.txtlongideg = position[2];
    in.txtlongimin = position[3];
    return in;
}

sys_seconds utInstant(const std::string &text)
{
    int y = 0;
    unsigned mo = 0, d = 0, h = 0, mi = 0, s = 0;
    EXPECT_EQ(std::sscanf(text.c_str(), "%d-%u-%u %u:%u:%u", &y, &mo, &d, &h, &mi, &s), 6) << text;
    return sys_days{year{y} / month{mo} / day{d}} + hours{h} + minutes{mi} + seconds{s};
}

// What a time's text adds when the place's day reaches another UT date.
std::string dateNote(const std::string &expected, const std::string &date)
{
    const std::string day = expected.substr(0, 10);
    return day < date ? " TU (la veille)" : day > date ? " TU (le lendemain)" : " TU";
}

// Expected times from tests/data/sun_day_reference.py, the NOAA calculator's
// formulation, good to about a minute: hence ±60 s. "jour" and "nuit" are its
// polar day and night, said in words; the altitude at transit within 0.01°.
TEST(SunDay, MatchesAnIndependentSunriseCalculationWithinAMinute)
{
    const std::vector<reference::Row> rows = reference::readTsv(BRELO_SUN_DAY_REFERENCE);
    ASSERT_EQ(rows.size(), 19u);
    for (const reference::Row &row : rows) {
        const std::vector<std::string> &c = row.cells;
        ASSERT_EQ(c.size(), 10u);
        SCOPED_TRACE(c[0] + " " + c[1]);
        const auto outcome = sunDayOfPage(pageAt(c[1], {c[2], c[3], c[4], c[5]}), ',');
        ASSERT_TRUE(outcome.ok()) << outcome.error();
        const SunDay &day = outcome.value();
        EXPECT_LE(std::abs((day.transit.instant - utInstant(c[7])).count()), 60);
        EXPECT_NEAR(day.transitAltitudeDeg, std::stod(c[9]), 0.01);
        if (c[6] == "jour" || c[6] == "nuit") {
            EXPECT_EQ(day.kind, c[6] == "jour" ? DayKind::AlwaysUp : DayKind::AlwaysDown);
            EXPECT_FALSE(day.rise || day.set);
            const std::string words =
                c[6] == "jour" ? "Soleil levé toute la journée" : "Soleil couché toute la journée";
            EXPECT_EQ(day.texts.rise, words);
            EXPECT_EQ(day.texts.set, words);
            EXPECT_EQ(day.texts.dayLength, c[6] == "jour" ? "24 h 00 min 00 s" : "0 h 00 min 00 s");
            continue;
        }
        ASSERT_EQ(day.kind, DayKind::RisesAndSets);
        EXPECT_LE(std::abs((day.rise->instant - utInstant(c[6])).count()), 60);
        EXPECT_LE(std::abs((day.set->instant - utInstant(c[8])).count()), 60);
        EXPECT_EQ(day.dayLength, day.set->instant - day.rise->instant);
        EXPECT_EQ(day.texts.rise.substr(8), dateNote(c[6], c[1]));
        EXPECT_EQ(day.texts.set.substr(8), dateNote(c[8], c[1]));
    }
}

TEST(SunDay, ClockAndLengthTexts)
{
    const sys_days date{year{2027} / 6 / 21};
    EXPECT_EQ(utClockText(date + seconds{3 * 3600 + 46 * 60 + 57}, date), "03:46:57 TU");
    EXPECT_EQ(utClockText(date - seconds{1}, date), "23:59:59 TU (la veille)");
    EXPECT_EQ(utClockText(date + days{1}, date), "00:00:00 TU (le lendemain)");
    EXPECT_EQ(utDateTimeText(date + seconds{86399}), "2027-06-21 23:59:59");
    EXPECT_EQ(durationText(seconds{16 * 3600 + 10 * 60 + 53}), "16 h 10 min 53 s");
    EXPECT_EQ(durationText(seconds{59}), "0 h 00 min 59 s");
}

// A year at 78° N goes through every kind of day in order, and each day's
// rise comes after the day before's set.
TEST(SunDay, AYearAtSeventyEightNorthRunsThroughPolarNightAndDay)
{
    const auto place = dayPlaceOf(ObserverPosition{"78", "0", "15", "0"}, '.');
    ASSERT_TRUE(place.ok());
    std::vector<DayKind> seasons;
    std::optional<sys_seconds> lastSet;
    for (sys_days d{year{2027} / 1 / 1}; d <= sys_days{year{2027} / 12 / 31}; d += days{1}) {
        const auto day = sunDay(place.value(), d, '.');
        ASSERT_TRUE(day.ok());
        if (seasons.empty() || seasons.back() != day.value().kind)
            seasons.push_back(day.value().kind);
        if (day.value().rise && lastSet) {
            EXPECT_GT(day.value().rise->instant, *lastSet) << day.value().texts.rise;
        }
        lastSet = day.value().set ? std::optional(day.value().set->instant) : std::nullopt;
    }
    const std::vector<DayKind> expected{DayKind::AlwaysDown, DayKind::RisesAndSets, DayKind::NoSet,
                                        DayKind::AlwaysUp,   DayKind::NoRise,       DayKind::RisesAndSets,
                                        DayKind::AlwaysDown};
    EXPECT_EQ(seasons, expected);
}

TEST(SunDay, BadDateOrPlaceIsRefusedNamingTheField)
{
    struct Case {
        std::string EphemerisInput::*field;
        const char *text;
        const char *message;
    };
    const char *const years = "Calcul impossible : le lever et le coucher du Soleil ne se calculent que du "
                              "1er janvier -8000 au 31 décembre 12000.";
    const Case cases[] = {
        {&EphemerisInput::txtjour, "abc", "Calcul impossible : le jour (« abc ») n'est pas un nombre (séparateur décimal : point ou virgule)."},
        {&EphemerisInput::txtlatideg, "95",
         "Calcul impossible : la latitude (95° 0') n'est pas comprise entre -90° et 90°."},
        {&EphemerisInput::txtlatimin, "61",
         "Calcul impossible : la latitude (89° 61') n'est pas comprise entre -90° et 90°."},
        {&EphemerisInput::txtlongideg, "-180",
         "Calcul impossible : la longitude (-180° 30') n'est pas comprise entre -180° et 180°."},
        {&EphemerisInput::txtann, "20000", years},
        {&EphemerisInput::txtjour, "1e300", years},
        {&EphemerisInput::txtheur, "abc", nullptr},
    };
    for (const Case &c : cases) {
        EphemerisInput in = pageAt("2027-06-21", {"89", "0", "0", "30"});
        in.*c.field = c.text;
        const auto outcome = sunDayOfPage(in, ',');
        if (c.message) {
            ASSERT_FALSE(outcome.ok()) << c.text;
            EXPECT_EQ(outcome.error(), c.message);
        } else {
            EXPECT_TRUE(outcome.ok()) << c.text;
        }
    }
    // The day enters linearly, as on the page: 31 February is 3 March.
    const auto february = sunDayOfPage(pageAt("2027-02-31", {"48", "51", "2", "21"}), ',');
    const auto march = sunDayOfPage(pageAt("2027-03-03", {"48", "51", "2", "21"}), ',');
    ASSERT_TRUE(february.ok() && march.ok());
    EXPECT_EQ(february.value().date, march.value().date);
    EXPECT_EQ(february.value().texts.rise, march.value().texts.rise);
}

} // namespace
} // namespace brelo
