#include "core/ephemeris/calculephem.h"
#include "time/instant_line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace brelo {
namespace {

double julianDayOf(int year, int month, int day, int hour, int minute)
{
    EphemerisInput input;
    input.txtann = std::to_string(year);
    input.txtmois = std::to_string(month);
    input.txtjour = std::to_string(day);
    input.txtheur = std::to_string(hour);
    input.txtminut = std::to_string(minute);
    const Outcome<EphemerisResult> result = calculephem(input, '.');
    EXPECT_TRUE(result.ok());
    return result.value().values.julianDay;
}

// Offsets and abbreviations from the IANA time zone database.
TEST(LocalTime, ShowsTheInstantInTheZoneWithItsOffset)
{
    const struct {
        int year, month, day, hour, minute;
        const char *zone;
        const char *civil;
        const char *zoneText;
    } cases[] = {
        {2026, 12, 7, 19, 5, "Europe/Paris", "07/12/2026 20:05", "CET, UTC+01:00"},
        {2026, 7, 1, 6, 30, "Europe/Paris", "01/07/2026 08:30", "CEST, UTC+02:00"},
        {2026, 1, 1, 3, 0, "America/New_York", "31/12/2025 22:00", "EST, UTC-05:00"},
        {2000, 1, 1, 0, 0, "Asia/Kolkata", "01/01/2000 05:30", "IST, UTC+05:30"},
        {2027, 3, 20, 23, 59, "UTC", "20/03/2027 23:59", "UTC, UTC+00:00"},
        // Day 31 of February is taken linearly, as the ephemeris takes it.
        {2026, 3, 3, 12, 0, "UTC", "03/03/2026 12:00", "UTC, UTC+00:00"},
    };
    for (const auto &c : cases) {
        const QTimeZone zone(c.zone);
        ASSERT_TRUE(zone.isValid()) << c.zone;
        const QDateTime instant = instantOfJulianDay(julianDayOf(c.year, c.month, c.day, c.hour, c.minute));
        EXPECT_EQ(dateTimeText(instant, zone).toStdString(), c.civil) << c.zone;
        EXPECT_EQ(zoneText(instant, zone).toStdString(), c.zoneText) << c.zone;
    }
}

// The civil text is Qt's own conversion to the zone, written "dd/MM/yyyy HH:mm",
// across clock changes, odd offsets, the years' ends and beyond four digits
// (years before 1 are counted otherwise: see below).
const char *const kZones[] = {"UTC", "Europe/Paris", "America/New_York", "Asia/Kolkata", "Australia/Eucla",
                              "Pacific/Chatham", "America/St_Johns", "Pacific/Kiritimati"};

TEST(LocalTime, CivilTextIsTheZonesConversion)
{
    const QDateTime instants[] = {
        QDateTime(QDate(2026, 3, 29), QTime(0, 59, 59), QTimeZone::utc()),  // Paris springs forward at 01:00 UT
        QDateTime(QDate(2026, 3, 29), QTime(1, 0), QTimeZone::utc()),
        QDateTime(QDate(2026, 10, 25), QTime(0, 59, 59, 999), QTimeZone::utc()),
        QDateTime(QDate(2026, 10, 25), QTime(1, 0), QTimeZone::utc()),
        QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), QTimeZone::utc()),
        QDateTime(QDate(1, 1, 2), QTime(0, 0), QTimeZone::utc()),
        QDateTime(QDate(9999, 12, 31), QTime(23, 30), QTimeZone::utc()),
        QDateTime(QDate(12000, 6, 1), QTime(8, 0), QTimeZone::utc()),
    };
    for (const char *name : kZones) {
        const QTimeZone zone(name);
        ASSERT_TRUE(zone.isValid()) << name;
        for (const QDateTime &instant : instants)
            EXPECT_EQ(dateTimeText(instant, zone).toStdString(),
                      instant.toTimeZone(zone).toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString())
                << name << " " << instant.toString(Qt::ISODate).toStdString();
    }
    EXPECT_EQ(dateTimeText(QDateTime(), QTimeZone::utc()).toStdString(), "");
    EXPECT_EQ(dateTimeText(instants[0], QTimeZone("No/Such_Zone")).toStdString(),
              instants[0].toTimeZone(QTimeZone("No/Such_Zone")).toString(QStringLiteral("dd/MM/yyyy HH:mm")).toStdString());
}

// Years before 1 are written as the page's year field takes them, in
// astronomical numbering: 0 is 1 BC, -4000 is 4001 BC (Qt's year -4001).
TEST(LocalTime, YearsBeforeOneAreWrittenAsTyped)
{
    const QTimeZone utc = QTimeZone::utc();
    const struct {
        int year;
        const char *line;
    } cases[] = {
        {-4000, "Heure locale : 01/03/-4000 12:30 (UTC, UTC+00:00)"},
        {0, "Heure locale : 01/03/0 12:30 (UTC, UTC+00:00)"},
        {1, "Heure locale : 01/03/0001 12:30 (UTC, UTC+00:00)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(localTimeLine(julianDayOf(c.year, 3, 1, 12, 30), utc).toStdString(), c.line) << c.year;
}

// hours / 24 + minutes / 1440 is not exact: the minute shown must still be the one typed.
TEST(LocalTime, EveryMinuteOfADayComesBackUnchanged)
{
    for (const int day : {1, 15, 28}) {
        for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
            const int hour = minuteOfDay / 60;
            const int minute = minuteOfDay % 60;
            const QDateTime instant = instantOfJulianDay(julianDayOf(2026, 3, day, hour, minute));
            const QDateTime want(QDate(2026, 3, day), QTime(hour, minute), QTimeZone::utc());
            ASSERT_EQ(instant, want) << day << " " << hour << ":" << minute;
        }
    }
}

TEST(LocalTime, LineShowsADashWithoutAnInstant)
{
    const QTimeZone paris("Europe/Paris");
    const struct {
        std::optional<double> julianDay;
        const char *line;
    } cases[] = {
        {2451545.0, "Heure locale : 01/01/2000 13:00 (CET, UTC+01:00)"},
        {std::nullopt, "Heure locale : —"},
        {std::numeric_limits<double>::quiet_NaN(), "Heure locale : —"},
        {std::numeric_limits<double>::infinity(), "Heure locale : —"},
        {1e300, "Heure locale : —"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(localTimeLine(c.julianDay, paris).toStdString(), c.line);
}

// The line looks the zone up once for both its texts: the same texts as the
// zone's separate answers, at clock changes, before any transition, far ahead,
// and in a zone Qt does not know.
TEST(LocalTime, LineHoldsTheSameTextsAsTheSeparateLookUps)
{
    const double julianDays[] = {2461128.5 + 1.0 / 24 - 1.0 / 86400,  // 2026-03-29 00:59:59 UT
                                 2461128.5 + 1.0 / 24, 2461338.5 + 1.0 / 24, 1721425.5, 5000000.5, 2451545.0};
    QList<QTimeZone> zones{QTimeZone("No/Such_Zone"), QTimeZone(3600 * 5 + 1800)};
    for (const char *name : kZones)
        zones.append(QTimeZone(name));
    for (const QTimeZone &zone : zones) {
        for (const double julianDay : julianDays) {
            const QDateTime instant = instantOfJulianDay(julianDay);
            ASSERT_TRUE(instant.isValid());
            const QString separate = QStringLiteral("Heure locale : ") + dateTimeText(instant, zone)
                                     + QStringLiteral(" (") + zoneText(instant, zone) + QLatin1Char(')');
            EXPECT_EQ(localTimeLine(julianDay, zone).toStdString(), separate.toStdString())
                << zone.id().toStdString() << " " << julianDay;
        }
    }
}

} // namespace
} // namespace brelo
